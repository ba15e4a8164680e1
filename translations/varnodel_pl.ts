<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>startowa</translation>
    </message>
    <message>
        <source>right</source>
        <translation>dobra</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>błędna</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>Pole %1 zawiera %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>To katalog, a nie plik łamigłówki.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>To FIFO (potok nazwany), a nie plik łamigłówki.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>To urządzenie znakowe, a nie plik łamigłówki.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>To urządzenie blokowe, a nie plik łamigłówki.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>To gniazdo, a nie plik łamigłówki.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>To nie jest zwykły plik ani plik łamigłówki.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Linia %1, znak %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>linia %1, znak %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Linia %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linia %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>puste miejsce</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>spacja</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Jest pusty.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>Jest za duży na łamigłówkę.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Przecinki i końce linii dzielą go na %n element, a plik łamigłówki ma ich 81; element %1 w linii %2 nie zostałby odczytany.</numerusform>
            <numerusform>Przecinki i końce linii dzielą go na %n elementy, a plik łamigłówki ma ich 81; element %1 w linii %2 nie zostałby odczytany.</numerusform>
            <numerusform>Przecinki i końce linii dzielą go na %n elementów, a plik łamigłówki ma ich 81; element %1 w linii %2 nie zostałby odczytany.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: „%2” nie pasuje, bo pole mieści jeden znak.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>Tabulatory dzielą linię %1 na %n pole, a wiersz ma ich dziewięć.</numerusform>
            <numerusform>Tabulatory dzielą linię %1 na %n pola, a wiersz ma ich dziewięć.</numerusform>
            <numerusform>Tabulatory dzielą linię %1 na %n pól, a wiersz ma ich dziewięć.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>Znak „%2” dzieli linię %1 na %n pole, a wiersz ma ich dziewięć.</numerusform>
            <numerusform>Znak „%2” dzieli linię %1 na %n pola, a wiersz ma ich dziewięć.</numerusform>
            <numerusform>Znak „%2” dzieli linię %1 na %n pól, a wiersz ma ich dziewięć.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>Linia %1 zawiera %n pole, a wiersz ma ich dziewięć, zaś łamigłówka w jednej linii – 81.</numerusform>
            <numerusform>Linia %1 zawiera %n pola, a wiersz ma ich dziewięć, zaś łamigłówka w jednej linii – 81.</numerusform>
            <numerusform>Linia %1 zawiera %n pól, a wiersz ma ich dziewięć, zaś łamigłówka w jednej linii – 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>Linia %1 ma długość %n znak, a wiersz ze spacjami w pustych polach – dziewięć.</numerusform>
            <numerusform>Linia %1 ma długość %n znaki, a wiersz ze spacjami w pustych polach – dziewięć.</numerusform>
            <numerusform>Linia %1 ma długość %n znaków, a wiersz ze spacjami w pustych polach – dziewięć.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: puste pole oznacza %2, a w innym miejscu (%3) – %4; w jednej siatce puste pola oznacza się tak samo.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>Linia %1 przerywa siatkę, która zaczyna się w linii %2, po %3 z jej dziewięciu wierszy.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>Linia %1 ma %n pole, a linia %2 – %3; wiersze jednej siatki muszą kończyć się tak samo.</numerusform>
            <numerusform>Linia %1 ma %n pola, a linia %2 – %3; wiersze jednej siatki muszą kończyć się tak samo.</numerusform>
            <numerusform>Linia %1 ma %n pól, a linia %2 – %3; wiersze jednej siatki muszą kończyć się tak samo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>Siatka, która zaczyna się w linii %1, ma tylko %2 z dziewięciu wierszy.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: tu tablica JSON jest błędna (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>To JSON, ale nie tablica dziewięciu wierszy po dziewięć liczb od 0 do 9 ani tablica 81 liczb (0 lub null oznacza puste pole).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Linia %1: dane gry mają %n znak, a łamigłówka wymaga 81 cyfr (0 oznacza puste pole).</numerusform>
            <numerusform>Linia %1: dane gry mają %n znaki, a łamigłówka wymaga 81 cyfr (0 oznacza puste pole).</numerusform>
            <numerusform>Linia %1: dane gry mają %n znaków, a łamigłówka wymaga 81 cyfr (0 oznacza puste pole).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: tu XML jest błędny (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>To XML, ale nie zawiera gry OpenSudoku.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Nie udało się go otworzyć: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Nie udało się go odczytać: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Nie udało się go utworzyć: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Nie udało się go zapisać: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Nie udało się go zapisać: %1 Nie udało się w pełni przywrócić jego poprzedniej zawartości.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>Jest za duży na plik łamigłówki.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>To pozostałość po przerwanym zapisie pliku %1, a nie plik łamigłówki; następny zapis tamtego pliku ją usunie.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Nie odpowiedział w ciągu %n sekundy, więc program Varnodel zrezygnował.</numerusform>
            <numerusform>Nie odpowiedział w ciągu %n sekund, więc program Varnodel zrezygnował.</numerusform>
            <numerusform>Nie odpowiedział w ciągu %n sekund, więc program Varnodel zrezygnował.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Nie odpowiedział w ciągu %n sekundy; łamigłówka nie została zapisana.</numerusform>
            <numerusform>Nie odpowiedział w ciągu %n sekund; łamigłówka nie została zapisana.</numerusform>
            <numerusform>Nie odpowiedział w ciągu %n sekund; łamigłówka nie została zapisana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Przestał odpowiadać podczas zapisywania łamigłówki i nie odpowiedział w ciągu %n sekundy. Jeśli znów odpowie, gdy program Varnodel działa, będzie zawierał albo poprzednią zawartość, albo całą łamigłówkę.</numerusform>
            <numerusform>Przestał odpowiadać podczas zapisywania łamigłówki i nie odpowiedział w ciągu %n sekund. Jeśli znów odpowie, gdy program Varnodel działa, będzie zawierał albo poprzednią zawartość, albo całą łamigłówkę.</numerusform>
            <numerusform>Przestał odpowiadać podczas zapisywania łamigłówki i nie odpowiedział w ciągu %n sekund. Jeśli znów odpowie, gdy program Varnodel działa, będzie zawierał albo poprzednią zawartość, albo całą łamigłówkę.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Podczas zapisywania plik został zastąpiony lub zmienił właściciela; pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Zapis wyczyściłby jego bit set-user-ID lub set-group-ID, który ponownie może ustawić tylko właściciel.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Zapis usunąłby jego zdolności (capabilities), które ponownie może nadać tylko administrator.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Plik zapisano, ale nie udało się ponownie nadać mu zdolności (capabilities): %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Plik zapisano, ale jego uprawnienia zmieniły się z %1 na %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Program Varnodel nie mógł wczytać pliku<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Program Varnodel nie mógł zapisać pliku<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>Linia %1 zawiera %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>To nie jest łamigłówka: pole mieści jedną cyfrę albo nic.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Zawiera tylko %1 z 81 pól potrzebnych w pliku łamigłówki.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>Pole %1 otwiera cudzysłów, który nigdzie się nie zamyka.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>Pole %1 ma więcej niż %2 znaków.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel odczytuje własny plik łamigłówki (81 linii, w każdej jedno pole) albo siatkę 81 pól, wiersz po wierszu: jedną linię 81 znaków lub dziewięć linii po dziewięć; cyfra to cyfra startowa, a jeden wybrany znak, np. . lub 0, to puste pole; wiersze mogą być narysowane albo rozdzielone przecinkami, średnikami lub tabulatorami. Odczytuje też pliki .sdk, tablice JSON 9×9 i pliki OpenSudoku.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Plik łamigłówki przechowuje jedną cyfrę na pole albo nic.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Popraw te pola i ponownie kliknij Zapisz plik.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Skopiować można tylko cyfry od 1 do 9 i puste pola.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Popraw te pola i skopiuj ponownie.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>W schowku nie ma łamigłówki.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>Schowek nie odpowiedział: program Varnodel czekał %n sekundę na program, do którego schowek należy.</numerusform>
            <numerusform>Schowek nie odpowiedział: program Varnodel czekał %n sekundy na program, do którego schowek należy.</numerusform>
            <numerusform>Schowek nie odpowiedział: program Varnodel czekał %n sekund na program, do którego schowek należy.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Tu już jest cyfra<byte value="xd"/>Wybierz inne pole</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Gratulacje!<byte value="xd"/>Łamigłówka rozwiązana!<byte value="xd"/><byte value="xd"/>Jesteś gwiazdą!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Rozwiązane<byte value="xd"/><byte value="xd"/>Teraz możesz wpisywać cyfry i sprawdzać, czy są dobre</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Ta łamigłówka nie jest taka prosta<byte value="xd"/>Spójrz na możliwe cyfry<byte value="xd"/>Ustal cyfrę, która na pewno pasuje,<byte value="xd"/>i kliknij Rozwiąż.<byte value="xd"/><byte value="xd"/>Powtarzaj to aż do rozwiązania</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>Łamigłówka jest rozwiązana: można tu tylko pokazać wszystkie dobre cyfry.<byte value="xd"/>Kliknij Pokaż wynik, aby zobaczyć rozwiązanie</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>Łamigłówka nie jest jeszcze rozwiązana.<byte value="xd"/>Kliknij Pokaż - ukryj siatkę możliwych cyfr</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Popraw te pola i ponownie poproś o podpowiedź.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Pole mieści jedną cyfrę albo nic.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Podpowiedź wymaga, by pola zawierały tylko cyfry od 1 do 9 albo były puste.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Pole %1, wiersz %2, kolumna %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Możliwe cyfry, wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>&amp;Zapisz plik</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Wczytaj plik</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Rozwiąż</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>Pokaż - ukryj siatkę &amp;możliwych cyfr</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Pokaż wy&amp;nik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Wy&amp;czyść</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Instrukcja</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, autorzy: twórcy programu Varnodel<byte value="xd"/>Copyright (c) 2026 twórcy programu Varnodel, licencja MIT<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>WWW: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Popraw te pola i ponownie kliknij Rozwiąż.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Wklej łamigłówkę</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiuj łamigłówkę</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Pole %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>Pola %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>wierszu %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumnie %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>kwadracie %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Kwadrat %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>wierszach %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>kolumnach %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>W %1 miejsce dla %2 jest tylko w %3 (%4): to wyklucza %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>W %1 %2 mogą zawierać tylko %3 (%4): to wyklucza %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 zawiera %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>Poprzednie kroki wykluczają %1.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Dla pola %2 zostaje więc tylko %1 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>W %1 cyfra %2 może stać tylko w polu %3 (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (pole %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>%1 jest już w %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>Poprzednie kroki wykluczają ją z %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>W polu %1 jest cyfra %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 w %3 zawierają tę samą cyfrę %2.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>I jeszcze %n.</numerusform>
            <numerusform>I jeszcze %n.</numerusform>
            <numerusform>I jeszcze %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Niektóre cyfry się powtarzają: wiersz, kolumna lub kwadrat zawiera dwa razy tę samą cyfrę.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>W polu %1 nie może stać żadna cyfra: jego wiersz, kolumna i kwadrat zawierają razem wszystkie cyfry od 1 do 9.<byte value="xd"/>Jakaś cyfra w siatce jest błędna.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>W %1 nie zostało miejsca dla cyfry %2: każde puste pole ma ją już w swoim wierszu, kolumnie lub kwadracie.<byte value="xd"/>Jakaś cyfra w siatce jest błędna.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>Cyfra w polu %1 nie zgadza się z rozwiązaniem.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 też nie zgadza się z rozwiązaniem.</numerusform>
            <numerusform>%1 też nie zgadzają się z rozwiązaniem.</numerusform>
            <numerusform>%1 też nie zgadzają się z rozwiązaniem.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>odsłonięte z rozwiązania</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>nagi singiel</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>ukryty singiel</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>wskazujący kandydaci</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>zablokowani kandydaci</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>naga para</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>ukryta para</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>naga trójka</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>ukryta trójka</translation>
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
        <translation>naga czwórka</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>ukryta czwórka</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>Siatka jest pusta.<byte value="xd"/>Wpisz cyfry startowe łamigłówki albo wczytaj ją przyciskiem Wczytaj plik i ponownie poproś o podpowiedź.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>Cyfry startowe nie pozwalają na żadne rozwiązanie: któraś z nich jest błędna.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>Cyfry w siatce nie pozwalają na żadne rozwiązanie: któraś z nich jest błędna.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Cyfry startowe pozwalają na więcej niż jedno rozwiązanie: brakuje którejś cyfry startowej albo któraś jest błędna.<byte value="xd"/>Podpowiedź wymaga łamigłówki z dokładnie jednym rozwiązaniem.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Cyfry w siatce pozwalają na więcej niż jedno rozwiązanie: brakuje którejś cyfry startowej albo któraś jest błędna.<byte value="xd"/>Podpowiedź wymaga łamigłówki z dokładnie jednym rozwiązaniem.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Wszystkie pola są wypełnione i każda cyfra zgadza się z rozwiązaniem.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Żadna technika znana programowi Varnodel nie rozstrzyga tu żadnego pola.<byte value="xd"/>Odsłonięte z rozwiązania, a nie ustalone: w polu %1 jest cyfra %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>pole %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>pola %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>polu %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>polach %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>pola %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>pól %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Zawiera %Ln łamigłówkę. Wybierz, którą wczytać:</numerusform>
            <numerusform>Zawiera %Ln łamigłówki. Wybierz, którą wczytać:</numerusform>
            <numerusform>Zawiera %Ln łamigłówek. Wybierz, którą wczytać:</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Łamigłówki</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Wystąpił problem z plikiem pomocy<byte value="xd"/>Zgłoś go twórcom programu Varnodel: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>To już koniec instrukcji</translation>
    </message>
</context>
</TS>
