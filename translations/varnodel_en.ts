<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</numerusform>
            <numerusform>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>Line %1 holds %n cell separated by tabs, where a row holds nine.</numerusform>
            <numerusform>Line %1 holds %n cells separated by tabs, where a row holds nine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>Line %1 holds %n cell separated by &quot;%2&quot;, where a row holds nine.</numerusform>
            <numerusform>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>Line %1 holds %n cell, where a row holds nine and a puzzle on one line 81.</numerusform>
            <numerusform>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</numerusform>
            <numerusform>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</numerusform>
            <numerusform>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Line %1: the game&apos;s data holds %n character, where a puzzle takes 81 digits, 0 for an open cell.</numerusform>
            <numerusform>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>It did not answer within %n seconds, so Varnodel gave up on it.</numerusform>
            <numerusform>It did not answer within %n seconds, so Varnodel gave up on it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>It did not answer within %n seconds; the puzzle was not saved.</numerusform>
            <numerusform>It did not answer within %n seconds; the puzzle was not saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</numerusform>
            <numerusform>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</numerusform>
            <numerusform>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>And %n more.</numerusform>
            <numerusform>And %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 does not fit it either.</numerusform>
            <numerusform>%1 do not fit it either.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>It holds %Ln puzzles. Choose the one to load:</numerusform>
            <numerusform>It holds %Ln puzzles. Choose the one to load:</numerusform>
        </translation>
    </message>
</context>
</TS>
