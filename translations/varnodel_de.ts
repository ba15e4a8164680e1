<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>vorgegeben</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer Eintrag</numerusform>
            <numerusform>und %n weitere Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>Feld %1 enthält %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>Das ist ein Ordner, keine Rätseldatei.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>Das ist ein FIFO (benannte Pipe), keine Rätseldatei.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>Das ist ein zeichenorientiertes Gerät, keine Rätseldatei.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>Das ist ein blockorientiertes Gerät, keine Rätseldatei.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>Das ist ein Socket, keine Rätseldatei.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>Das ist keine gewöhnliche Datei, also auch keine Rätseldatei.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Zeile %1, Zeichen %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>Zeile %1, Zeichen %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>ein leerer Eintrag</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Sie ist leer.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>Sie ist zu groß für ein Rätsel.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Sie enthält %n durch Kommas und Zeilenenden getrennten Eintrag, eine Rätseldatei aber 81; Eintrag %1 in Zeile %2 bliebe ungelesen.</numerusform>
            <numerusform>Sie enthält %n durch Kommas und Zeilenenden getrennte Einträge, eine Rätseldatei aber 81; Eintrag %1 in Zeile %2 bliebe ungelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: „%2“ passt nicht, denn ein Feld fasst nur ein Zeichen.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>Zeile %1 enthält %n durch Tabs getrenntes Feld, eine Gitterzeile aber neun.</numerusform>
            <numerusform>Zeile %1 enthält %n durch Tabs getrennte Felder, eine Gitterzeile aber neun.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>Zeile %1 enthält %n durch „%2“ getrenntes Feld, eine Gitterzeile aber neun.</numerusform>
            <numerusform>Zeile %1 enthält %n durch „%2“ getrennte Felder, eine Gitterzeile aber neun.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>Zeile %1 enthält %n Feld, eine Gitterzeile aber neun und ein Rätsel in einer Zeile 81.</numerusform>
            <numerusform>Zeile %1 enthält %n Felder, eine Gitterzeile aber neun und ein Rätsel in einer Zeile 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>Zeile %1 ist %n Zeichen breit, eine Gitterzeile mit Leerzeichen für leere Felder aber neun.</numerusform>
            <numerusform>Zeile %1 ist %n Zeichen breit, eine Gitterzeile mit Leerzeichen für leere Felder aber neun.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: Hier steht %2 für ein leeres Feld, in %3 aber %4; ein Gitter kennzeichnet seine leeren Felder nur auf eine Art.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>Zeile %1 unterbricht das Gitter, das in Zeile %2 beginnt, nach %3 seiner neun Gitterzeilen.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>Zeile %1 enthält %n Eintrag, Zeile %2 aber %3; alle Zeilen eines Gitters haben gleich viele.</numerusform>
            <numerusform>Zeile %1 enthält %n Einträge, Zeile %2 aber %3; alle Zeilen eines Gitters haben gleich viele.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>Das Gitter, das in Zeile %1 beginnt, hat nur %2 seiner neun Gitterzeilen.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: Hier ist das JSON-Array fehlerhaft (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>Das ist JSON, aber kein Array aus neun Gitterzeilen zu je neun Zahlen von 0 bis 9 und auch keines aus 81 Zahlen (0 oder null für ein leeres Feld).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Zeile %1: Die Spieldaten enthalten %n Zeichen, ein Rätsel braucht aber 81 Ziffern, 0 für ein leeres Feld.</numerusform>
            <numerusform>Zeile %1: Die Spieldaten enthalten %n Zeichen, ein Rätsel braucht aber 81 Ziffern, 0 für ein leeres Feld.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: Hier ist das XML fehlerhaft (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>Das ist XML, enthält aber kein OpenSudoku-Spiel.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Sie konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Sie konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Sie konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Sie konnte nicht geschrieben werden: %1. Ihr alter Inhalt ließ sich nicht vollständig wiederherstellen.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>Sie ist zu groß für eine Rätseldatei.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>Das ist ein Rest vom abgebrochenen Speichern von %1, keine Rätseldatei; beim nächsten Speichern dieser Datei wird er entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Sie hat nicht innerhalb von %n Sekunde geantwortet, daher hat Varnodel aufgegeben.</numerusform>
            <numerusform>Sie hat nicht innerhalb von %n Sekunden geantwortet, daher hat Varnodel aufgegeben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Sie hat nicht innerhalb von %n Sekunde geantwortet; das Rätsel wurde nicht gespeichert.</numerusform>
            <numerusform>Sie hat nicht innerhalb von %n Sekunden geantwortet; das Rätsel wurde nicht gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Sie hat beim Schreiben des Rätsels aufgehört zu antworten und auch innerhalb von %n Sekunde nicht mehr geantwortet. Antwortet sie wieder, solange Varnodel läuft, enthält sie danach entweder ihren alten Inhalt oder das ganze Rätsel.</numerusform>
            <numerusform>Sie hat beim Schreiben des Rätsels aufgehört zu antworten und auch innerhalb von %n Sekunden nicht mehr geantwortet. Antwortet sie wieder, solange Varnodel läuft, enthält sie danach entweder ihren alten Inhalt oder das ganze Rätsel.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Sie wurde ersetzt oder hat den Besitzer gewechselt, während Varnodel sie speicherte; Varnodel hat sie nicht angetastet.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Beim Speichern würde ihr Set-User-ID- oder Set-Group-ID-Bit gelöscht, das nur ihr Besitzer wieder setzen darf.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Beim Speichern würden ihre Datei-Capabilities gelöscht, die nur ein Administrator wieder setzen darf.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Sie wurde gespeichert, aber ihre Datei-Capabilities ließen sich nicht wieder setzen: %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Sie wurde gespeichert, aber ihre Zugriffsrechte haben sich von %1 in %2 geändert.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Varnodel konnte diese Datei nicht laden:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Varnodel konnte diese Datei nicht speichern:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>Zeile %1 enthält %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>Das ist kein Rätsel: Ein Feld fasst eine Ziffer oder keine.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Sie enthält nur %1 der 81 Felder, die eine Rätseldatei braucht.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>Feld %1 öffnet ein Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>Feld %1 enthält mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel liest seine eigene Rätseldatei, 81 Zeilen mit je einem Feld, oder ein Gitter aus 81 Feldern, Gitterzeile für Gitterzeile: eine Zeile aus 81 Zeichen oder neun Zeilen zu neun, eine Ziffer für eine Vorgabe und ein einheitliches Zeichen wie . oder 0 für ein leeres Feld; die Gitterzeilen dürfen gezeichnet oder durch Kommas, Semikolons oder Tabs getrennt sein. Außerdem liest es .sdk-Dateien, 9×9-JSON-Arrays und OpenSudoku-Dateien.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Eine Rätseldatei speichert je Feld eine Ziffer oder nichts.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Korrigiere diese Felder und klicke noch einmal auf Datei speichern.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Nur die Ziffern 1 bis 9 und leere Felder lassen sich kopieren.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Korrigiere diese Felder und kopiere noch einmal.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>Die Zwischenablage enthält kein Rätsel.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>Die Zwischenablage hat nicht geantwortet: Varnodel hat %n Sekunde auf das Programm gewartet, dem sie gehört.</numerusform>
            <numerusform>Die Zwischenablage hat nicht geantwortet: Varnodel hat %n Sekunden auf das Programm gewartet, dem sie gehört.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Hier steht schon eine Zahl.<byte value="xd"/>Versuche ein anderes Feld.</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Glückwunsch!<byte value="xd"/>Du hast es gelöst.<byte value="xd"/><byte value="xd"/>Du bist ein Star!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Gelöst<byte value="xd"/><byte value="xd"/>Jetzt kannst du eine Zahl eingeben und sehen, ob sie stimmt.</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Dieses Rätsel ist nicht so einfach.<byte value="xd"/>Sieh dir die möglichen Zahlen an,<byte value="xd"/>ermittle eine Zahl, die passen muss,<byte value="xd"/>und klicke auf Lösen.<byte value="xd"/><byte value="xd"/>Wiederhole das, bis es gelöst ist.</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>Das Rätsel ist gelöst, daher kann das Gitter der möglichen Zahlen nur noch die richtigen Zahlen zeigen.<byte value="xd"/>Klicke auf Lösung zeigen, um die Lösung zu sehen.</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>Das Rätsel ist noch nicht gelöst.<byte value="xd"/>Klicke auf Mögliche Zahlen ein-/ausblenden.</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Korrigiere diese Felder und frage noch einmal nach einem Tipp.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Ein Feld fasst eine Ziffer oder keine.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Für einen Tipp darf das Gitter nur die Ziffern 1 bis 9 und leere Felder enthalten.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Feld %1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Mögliche Zahlen, Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Datei laden</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>&amp;Mögliche Zahlen ein-/ausblenden</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Lösung &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Varnodel</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, von den Varnodel-Entwicklern<byte value="xd"/>Copyright (c) 2026 die Varnodel-Entwickler, unter der MIT-Lizenz<byte value="xd"/>E-Mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Korrigiere diese Felder und klicke noch einmal auf Lösen.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Rätsel einfügen</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Rätsel kopieren</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>Die Felder %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>den Zeilen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>den Spalten %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>In %1 ist für %2 nur in %3 Platz (%4): Das streicht %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>In %1 können %2 nur %3 aufnehmen (%4): Das streicht %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 enthält %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>Die Schritte oben schließen %1 aus.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Damit bleibt für Feld %2 nur die %1 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>In %1 kann die %2 nur in Feld %3 stehen (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (Feld %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>%1 steht schon in %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>Die Schritte oben streichen sie aus %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>Feld %1 ist eine %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 enthalten in %3 jeweils eine %2.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>Dazu kommt %n weitere Stelle.</numerusform>
            <numerusform>Dazu kommen %n weitere Stellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Manche Ziffern kommen doppelt vor: Eine Zeile, eine Spalte oder ein Block enthält eine Ziffer zweimal.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>Feld %1 kann keine Ziffer aufnehmen: Seine Zeile, Spalte und sein Block enthalten zusammen alle Ziffern von 1 bis 9.<byte value="xd"/>Eine Ziffer im Gitter ist falsch.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>In %1 hat die %2 keinen Platz mehr: Jedes leere Feld dort hat schon eine %2 in seiner Zeile, Spalte oder seinem Block.<byte value="xd"/>Eine Ziffer im Gitter ist falsch.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>Feld %1 passt nicht zur Lösung.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 passt auch nicht zur Lösung.</numerusform>
            <numerusform>%1 passen auch nicht zur Lösung.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>nackter Einer</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>versteckter Einer</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>Pointing</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>Claiming</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>nacktes Paar</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>verstecktes Paar</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>nacktes Tripel</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>verstecktes Tripel</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation>Schwertfisch</translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation>nacktes Quadrupel</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>verstecktes Quadrupel</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>Das Gitter ist leer.<byte value="xd"/>Tippe die Vorgaben eines Rätsels ein oder lade eines mit Datei laden und frage dann noch einmal.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>Die Vorgaben lassen keine Lösung zu: Eine Vorgabe ist falsch.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>Die Ziffern im Gitter lassen keine Lösung zu: Eine Ziffer ist falsch.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Die Vorgaben lassen mehr als eine Lösung zu: Eine Vorgabe fehlt oder ist falsch.<byte value="xd"/>Ein Tipp braucht ein Rätsel mit genau einer Lösung.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Die Ziffern im Gitter lassen mehr als eine Lösung zu: Eine Vorgabe fehlt oder ist falsch.<byte value="xd"/>Ein Tipp braucht ein Rätsel mit genau einer Lösung.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Jedes Feld ist gefüllt, und jede Ziffer passt zur Lösung.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Keine Technik, die Varnodel kennt, entscheidet hier ein Feld.<byte value="xd"/>Aus der Lösung verraten, nicht ermittelt: Feld %1 ist eine %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>das Feld %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>die Felder %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>den Feldern %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>den Feldern %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Sie enthält %Ln Rätsel. Wähle eines zum Laden:</numerusform>
            <numerusform>Sie enthält %Ln Rätsel. Wähle eines zum Laden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Mit der Hilfedatei gab es ein Problem.<byte value="xd"/>Bitte gib den Varnodel-Entwicklern Bescheid: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>Das ist das Ende der Hilfedatei.</translation>
    </message>
</context>
</TS>
