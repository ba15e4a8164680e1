<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>gegeven</translation>
    </message>
    <message>
        <source>right</source>
        <translation>goed</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n andere</numerusform>
            <numerusform>en nog %n andere</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>Vakje %1 bevat %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>Het is een map, geen puzzelbestand.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>Het is een FIFO (named pipe), geen puzzelbestand.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>Het is een tekenapparaat, geen puzzelbestand.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>Het is een blokapparaat, geen puzzelbestand.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>Het is een socket, geen puzzelbestand.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>Het is geen gewoon bestand, en dus geen puzzelbestand.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Regel %1, teken %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>regel %1, teken %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Regel %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>een leeg veld</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>een spatie</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Het is leeg.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>Het is te groot voor een puzzel.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Het bevat %n item, gescheiden door komma's en regeleinden, terwijl een puzzelbestand er 81 bevat; item %1, op regel %2, zou niet gelezen worden.</numerusform>
            <numerusform>Het bevat %n items, gescheiden door komma's en regeleinden, terwijl een puzzelbestand er 81 bevat; item %1, op regel %2, zou niet gelezen worden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: ‘%2’ past niet, want een vakje bevat maar één teken.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>Regel %1 bevat %n vakje gescheiden door tabs, terwijl een rij er negen bevat.</numerusform>
            <numerusform>Regel %1 bevat %n vakjes gescheiden door tabs, terwijl een rij er negen bevat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>Regel %1 bevat %n vakje gescheiden door ‘%2’, terwijl een rij er negen bevat.</numerusform>
            <numerusform>Regel %1 bevat %n vakjes gescheiden door ‘%2’, terwijl een rij er negen bevat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>Regel %1 bevat %n vakje, terwijl een rij er negen bevat en een puzzel op één regel 81.</numerusform>
            <numerusform>Regel %1 bevat %n vakjes, terwijl een rij er negen bevat en een puzzel op één regel 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>Regel %1 is %n teken breed, terwijl een rij met spaties voor lege vakjes negen tekens breed is.</numerusform>
            <numerusform>Regel %1 is %n tekens breed, terwijl een rij met spaties voor lege vakjes negen tekens breed is.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: hier geeft %2 een leeg vakje aan, terwijl in %3 %4 dat doet; een rooster geeft zijn lege vakjes altijd op dezelfde manier aan.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>Regel %1 onderbreekt het rooster dat op regel %2 begint, na %3 van zijn negen rijen.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>Regel %1 bevat %n veld, terwijl regel %2 er %3 bevat; alle rijen van een rooster hebben evenveel velden.</numerusform>
            <numerusform>Regel %1 bevat %n velden, terwijl regel %2 er %3 bevat; alle rijen van een rooster hebben evenveel velden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>Het rooster dat op regel %1 begint, bevat maar %2 van zijn negen rijen.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: hier klopt de JSON-array niet (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>Het is JSON, maar geen array van negen rijen van negen getallen van 0 tot en met 9, en ook geen array van 81 (0 of null voor een leeg vakje).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Regel %1: de gegevens van het spel bevatten %n teken, terwijl een puzzel 81 cijfers nodig heeft, 0 voor een leeg vakje.</numerusform>
            <numerusform>Regel %1: de gegevens van het spel bevatten %n tekens, terwijl een puzzel 81 cijfers nodig heeft, 0 voor een leeg vakje.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: hier klopt de XML niet (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>Het is XML, maar het bevat geen OpenSudoku-spel.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Dit bestand bestaat niet.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Het kon niet worden geopend: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Het kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Het kon niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Het kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Het kon niet worden geschreven: %1. De oude inhoud kon niet helemaal worden teruggezet.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>Het is te groot voor een puzzelbestand.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>Het is een restant van het onderbroken opslaan van %1, geen puzzelbestand; de volgende keer dat dat bestand wordt opgeslagen, verdwijnt het.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Het reageerde niet binnen %n seconde, dus Varnodel heeft het opgegeven.</numerusform>
            <numerusform>Het reageerde niet binnen %n seconden, dus Varnodel heeft het opgegeven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Het reageerde niet binnen %n seconde; de puzzel is niet opgeslagen.</numerusform>
            <numerusform>Het reageerde niet binnen %n seconden; de puzzel is niet opgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Het reageerde niet meer terwijl de puzzel erin werd geschreven, en ook niet binnen %n seconde. Reageert het weer terwijl Varnodel nog draait, dan bevat het daarna óf de oude inhoud, óf de hele puzzel.</numerusform>
            <numerusform>Het reageerde niet meer terwijl de puzzel erin werd geschreven, en ook niet binnen %n seconden. Reageert het weer terwijl Varnodel nog draait, dan bevat het daarna óf de oude inhoud, óf de hele puzzel.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Het werd vervangen of kreeg een andere eigenaar terwijl Varnodel het opsloeg; het is ongemoeid gelaten.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Opslaan zou de set-user-ID- of set-group-ID-bit ervan wissen, en die mag alleen de eigenaar weer instellen.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Opslaan zou de capabilities van het bestand wissen, en die mag alleen een beheerder weer instellen.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Het is opgeslagen, maar de capabilities van het bestand konden niet opnieuw worden ingesteld: %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Het is opgeslagen, maar de toegangsrechten zijn veranderd van %1 in %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Varnodel kon dit bestand niet laden:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Varnodel kon dit bestand niet opslaan:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>Regel %1 bevat %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>Het is geen puzzel: een vakje bevat één cijfer of niets.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Het bevat maar %1 van de 81 vakjes die een puzzelbestand nodig heeft.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>Vakje %1 opent een aanhalingsteken dat nooit wordt gesloten.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>Vakje %1 bevat meer dan %2 tekens.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel leest zijn eigen puzzelbestand, 81 regels met elk één vakje, of een rooster van 81 vakjes, rij voor rij: één regel van 81 tekens of negen regels van negen, met elk gegeven cijfer als cijfer en alle lege vakjes met hetzelfde teken, zoals . of 0; de rijen mogen getekend zijn, of gescheiden door komma's, puntkomma's of tabs. Varnodel leest ook .sdk-bestanden, 9×9-JSON-arrays en OpenSudoku-bestanden.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Een puzzelbestand bewaart per vakje één cijfer of niets.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Verbeter deze vakjes en klik opnieuw op Bestand opslaan.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Alleen de cijfers 1 tot en met 9 en lege vakjes kunnen worden gekopieerd.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Verbeter deze vakjes en kopieer opnieuw.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>Het klembord bevat geen puzzel.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>Het klembord reageerde niet: Varnodel heeft %n seconde gewacht op het programma dat het beheert.</numerusform>
            <numerusform>Het klembord reageerde niet: Varnodel heeft %n seconden gewacht op het programma dat het beheert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Hier staat al een cijfer.<byte value="xd"/>Probeer een ander vakje.</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Gefeliciteerd!<byte value="xd"/>Je hebt hem opgelost.<byte value="xd"/><byte value="xd"/>Je bent een ster!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Opgelost<byte value="xd"/><byte value="xd"/>Nu kun je een cijfer invullen en zien of het goed is.</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Deze puzzel is niet zo eenvoudig.<byte value="xd"/>Bekijk de mogelijke cijfers,<byte value="xd"/>zoek een cijfer uit dat moet passen<byte value="xd"/>en klik op Oplossen.<byte value="xd"/><byte value="xd"/>Doe dit tot de puzzel is opgelost.</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>De puzzel is opgelost, dus het rooster met mogelijke cijfers kan alleen nog de goede cijfers tonen.<byte value="xd"/>Klik op Oplossing tonen om de oplossing te zien.</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>De puzzel is nog niet opgelost.<byte value="xd"/>Klik op Mogelijke cijfers tonen/verbergen.</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Verbeter deze vakjes en vraag opnieuw om een tip.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Een vakje bevat één cijfer of niets.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Voor een tip mag het rooster alleen de cijfers 1 tot en met 9 en lege vakjes bevatten.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Vakje %1, rij %2, kolom %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Mogelijke cijfers, rij %1, kolom %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Bestand op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>Bestand &amp;laden</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Oplossen</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>&amp;Mogelijke cijfers tonen/verbergen</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Oplossing &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Varnodel</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, door de ontwikkelaars van Varnodel<byte value="xd"/>Copyright (c) 2026 de ontwikkelaars van Varnodel, onder de MIT-licentie<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Verbeter deze vakjes en klik opnieuw op Oplossen.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Puzzel plakken</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Puzzel kopiëren</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Vakje %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>De vakjes %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>blok %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Blok %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>de rijen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>de kolommen %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 uit %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>In %1 is er voor %2 alleen plaats in %3 (%4): dat streept %5 weg.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>In %1 kunnen %2 alleen %3 bevatten (%4): dat streept %5 weg.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 bevat %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>De stappen hierboven sluiten %1 uit.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Dan blijft voor vakje %2 alleen de %1 over (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>In %1 kan de %2 alleen in vakje %3 staan (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (vakje %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>%1 staat al in %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>De stappen hierboven strepen dat cijfer weg uit %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>Vakje %1 is een %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 bevatten in %3 elk een %2.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>En nog %n andere.</numerusform>
            <numerusform>En nog %n andere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Sommige cijfers staan dubbel: een rij, een kolom of een blok bevat een cijfer twee keer.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>Vakje %1 kan geen enkel cijfer bevatten: de rij, de kolom en het blok ervan bevatten samen alle cijfers van 1 tot en met 9.<byte value="xd"/>Er staat een fout cijfer in het rooster.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>In %1 is er geen plaats meer voor de %2: elk leeg vakje daar heeft al een %2 in zijn rij, kolom of blok.<byte value="xd"/>Er staat een fout cijfer in het rooster.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>Vakje %1 past niet bij de oplossing.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 past ook niet bij de oplossing.</numerusform>
            <numerusform>%1 passen ook niet bij de oplossing.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>onthullen</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>naakte single</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>verborgen single</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>pointing</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>claiming</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>naakt paar</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>verborgen paar</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>naakt drietal</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>verborgen drietal</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-wing</translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation>swordfish</translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation>naakt viertal</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>verborgen viertal</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>Het rooster is leeg.<byte value="xd"/>Typ de gegeven cijfers van een puzzel in, of laad er een met Bestand laden, en vraag het dan opnieuw.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>De gegeven cijfers laten geen oplossing toe: een gegeven cijfer is fout.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>De cijfers in het rooster laten geen oplossing toe: een cijfer is fout.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>De gegeven cijfers laten meer dan één oplossing toe: er ontbreekt een gegeven cijfer of er is er een fout.<byte value="xd"/>Een tip heeft een puzzel met precies één oplossing nodig.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>De cijfers in het rooster laten meer dan één oplossing toe: er ontbreekt een gegeven cijfer of er is er een fout.<byte value="xd"/>Een tip heeft een puzzel met precies één oplossing nodig.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Elk vakje is ingevuld en elk cijfer past bij de oplossing.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Geen techniek die Varnodel kent, beslist hier een vakje.<byte value="xd"/>Uit de oplossing verklapt, niet uitgerekend: vakje %1 is een %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>vakje %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>de vakjes %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>vakje %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>de vakjes %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>vakje %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>de vakjes %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Het bevat %Ln puzzel. Kies de puzzel die je wilt laden:</numerusform>
            <numerusform>Het bevat %Ln puzzels. Kies de puzzel die je wilt laden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzels</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Er was een probleem met het helpbestand.<byte value="xd"/>Laat het de ontwikkelaars van Varnodel weten: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>Dit is het einde van het helpbestand.</translation>
    </message>
</context>
</TS>
