<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cells %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit it either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 do not fit it either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reveal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naked single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pointing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>claiming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>It holds %1 puzzles. Choose the one to load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
