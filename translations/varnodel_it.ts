<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>numero iniziale</translation>
    </message>
    <message>
        <source>right</source>
        <translation>giusta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>sbagliata</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e un'altra</numerusform>
            <numerusform>e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>La casella %1 contiene %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>È una cartella, non un file dello schema.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>È una FIFO (pipe con nome), non un file dello schema.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>È un dispositivo a caratteri, non un file dello schema.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>È un dispositivo a blocchi, non un file dello schema.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>È un socket, non un file dello schema.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>Non è un file regolare, quindi non è un file dello schema.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Riga %1, carattere %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>riga %1, carattere %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>un campo vuoto</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>uno spazio</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>È vuoto.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>È troppo grande per essere uno schema.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Contiene %n elemento, separato da virgole e fine riga, mentre un file dello schema ne contiene 81; l'elemento %1, alla riga %2, resterebbe non letto.</numerusform>
            <numerusform>Contiene %n elementi, separati da virgole e fine riga, mentre un file dello schema ne contiene 81; l'elemento %1, alla riga %2, resterebbe non letto.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: &quot;%2&quot; è di troppo, perché una casella contiene un solo carattere.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>La riga %1 del file contiene %n casella separata da tabulazioni, mentre una riga della griglia ne ha nove.</numerusform>
            <numerusform>La riga %1 del file contiene %n caselle separate da tabulazioni, mentre una riga della griglia ne ha nove.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>La riga %1 del file contiene %n casella separata da &quot;%2&quot;, mentre una riga della griglia ne ha nove.</numerusform>
            <numerusform>La riga %1 del file contiene %n caselle separate da &quot;%2&quot;, mentre una riga della griglia ne ha nove.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>La riga %1 del file contiene %n casella, mentre una riga della griglia ne ha nove e uno schema su una sola riga 81.</numerusform>
            <numerusform>La riga %1 del file contiene %n caselle, mentre una riga della griglia ne ha nove e uno schema su una sola riga 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>La riga %1 del file è lunga %n carattere, mentre una riga della griglia con spazi per le caselle libere ne ha nove.</numerusform>
            <numerusform>La riga %1 del file è lunga %n caratteri, mentre una riga della griglia con spazi per le caselle libere ne ha nove.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: una casella libera è indicata da %2, mentre alla %3 è indicata da %4; una griglia indica tutte le caselle libere allo stesso modo.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>La riga %1 interrompe la griglia che inizia alla riga %2, dopo %3 delle sue nove righe.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>La riga %1 contiene %n campo, mentre la riga %2 ne contiene %3; le righe di una griglia hanno tutte lo stesso numero di campi.</numerusform>
            <numerusform>La riga %1 contiene %n campi, mentre la riga %2 ne contiene %3; le righe di una griglia hanno tutte lo stesso numero di campi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>La griglia che inizia alla riga %1 contiene solo %2 delle sue nove righe.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: qui l'array JSON non può proseguire (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>È JSON, ma non è un array di nove righe di nove numeri da 0 a 9, né di 81 numeri (0 o null per una casella libera).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Riga %1: i dati della partita contengono %n carattere, mentre uno schema richiede 81 cifre, 0 per una casella libera.</numerusform>
            <numerusform>Riga %1: i dati della partita contengono %n caratteri, mentre uno schema richiede 81 cifre, 0 per una casella libera.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: qui l'XML non può proseguire (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>È XML, ma non contiene una partita OpenSudoku.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Non è stato possibile aprirlo: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Non è stato possibile leggerlo: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Non è stato possibile crearlo: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Non è stato possibile scriverlo: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Non è stato possibile scriverlo: %1. Non è stato possibile ripristinare del tutto il suo contenuto precedente.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>È troppo grande per essere un file dello schema.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>È ciò che resta di un salvataggio interrotto di %1, non un file dello schema; il prossimo salvataggio di quel file lo eliminerà.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Non ha risposto entro %n secondo, quindi Varnodel ha rinunciato.</numerusform>
            <numerusform>Non ha risposto entro %n secondi, quindi Varnodel ha rinunciato.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Non ha risposto entro %n secondo; lo schema non è stato salvato.</numerusform>
            <numerusform>Non ha risposto entro %n secondi; lo schema non è stato salvato.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Ha smesso di rispondere mentre vi si scriveva lo schema e non ha risposto entro %n secondo. Se risponde di nuovo mentre Varnodel è aperto, conterrà o ciò che conteneva prima o lo schema intero.</numerusform>
            <numerusform>Ha smesso di rispondere mentre vi si scriveva lo schema e non ha risposto entro %n secondi. Se risponde di nuovo mentre Varnodel è aperto, conterrà o ciò che conteneva prima o lo schema intero.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>È stato sostituito, o ha cambiato proprietario, mentre Varnodel lo salvava; è stato lasciato com'era.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Salvarlo cancellerebbe il suo bit set-user-ID o set-group-ID, che solo il proprietario può reimpostare.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Salvarlo cancellerebbe le sue capability di file, che solo un amministratore può reimpostare.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>È stato salvato, ma non è stato possibile reimpostare le sue capability di file: %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>È stato salvato, ma i suoi permessi sono cambiati da %1 a %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Varnodel non ha potuto caricare il file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Varnodel non ha potuto salvare il file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>La riga %1 contiene %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>Non è uno schema: una casella contiene una cifra o niente.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Contiene solo %1 delle 81 caselle che servono a un file dello schema.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>La casella %1 apre delle virgolette che non vengono mai chiuse.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>La casella %1 contiene più di %2 caratteri.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel legge il proprio file dello schema, di 81 righe con una casella ciascuna, oppure una griglia di 81 caselle, riga per riga: una riga di 81 caratteri o nove righe di nove, con una cifra per ogni numero iniziale e un unico segno, come . o 0, per ogni casella libera; la griglia può avere i riquadri disegnati o le caselle separate da virgole, punti e virgola o tabulazioni. Legge anche file .sdk, array JSON 9×9 e file OpenSudoku.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Un file dello schema contiene una cifra per casella, o niente.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Correggi queste caselle e fai di nuovo clic su Salva file.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Si possono copiare solo cifre da 1 a 9 e caselle vuote.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Correggi queste caselle e copia di nuovo.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>Gli appunti non contengono uno schema.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>Gli appunti non hanno risposto: Varnodel ha atteso %n secondo il programma che li gestisce.</numerusform>
            <numerusform>Gli appunti non hanno risposto: Varnodel ha atteso %n secondi il programma che li gestisce.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Questa casella ha già un numero<byte value="xd"/>Provane un'altra</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Complimenti<byte value="xd"/>Lo hai risolto<byte value="xd"/><byte value="xd"/>Sei un campione!!!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Risolto<byte value="xd"/><byte value="xd"/>Ora puoi scrivere un numero e vedere se è giusto</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Questo schema non è così semplice<byte value="xd"/>Guarda i numeri possibili<byte value="xd"/>Trova un numero che deve stare in una casella<byte value="xd"/>e fai clic su Risolvi.<byte value="xd"/><byte value="xd"/>Continua così finché non è risolto</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>Lo schema è risolto: questo pulsante mostrerebbe solo i numeri giusti<byte value="xd"/>Fai clic su Mostra risultato per vedere la soluzione</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>Lo schema non è ancora risolto<byte value="xd"/>Fai clic su Mostra - Nascondi griglia dei numeri possibili</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Correggi queste caselle e chiedi di nuovo un suggerimento.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Una casella contiene una cifra o niente.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Per un suggerimento servono solo cifre da 1 a 9 e caselle libere.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Casella %1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Numeri possibili, riga %1, colonna %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>&amp;Salva file</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Carica file</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>Mostra - Nascondi griglia dei numeri &amp;possibili</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>&amp;Mostra risultato</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>S&amp;vuota</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, a cura degli sviluppatori di Varnodel<byte value="xd"/>Copyright (c) 2026 gli sviluppatori di Varnodel, con licenza MIT<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Correggi queste caselle e fai di nuovo clic su Risolvi.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Incolla schema</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copia schema</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>La casella %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>Le caselle %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>nella riga %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>nella colonna %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>nel riquadro %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>La riga %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>La colonna %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Il riquadro %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>nelle righe %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>nelle colonne %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>Per %2 c'è posto, %1, solo %3 (%4): ciò esclude %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>%2, %1, possono contenere solo %3 (%4): ciò esclude %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 contiene %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>I passaggi precedenti escludono %1.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Alla casella %2 resta solo il numero %1 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>Il numero %2, %1, può andare solo nella casella %3 (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (casella %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>Il numero %1 è già %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>I passaggi precedenti lo escludono %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>La casella %1 vale %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 contengono ciascuna il numero %2 %3.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>E un altro caso.</numerusform>
            <numerusform>E altri %n casi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Alcune cifre sono in conflitto: una riga, una colonna o un riquadro contiene due volte la stessa cifra.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>La casella %1 non può contenere nessuna cifra: la sua riga, la sua colonna e il suo riquadro contengono insieme tutte le cifre da 1 a 9.<byte value="xd"/>Nella griglia c'è una cifra sbagliata.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>Il numero %2 non ha più posto %1: ogni casella libera lì è già bloccata da un %2.<byte value="xd"/>Nella griglia c'è una cifra sbagliata.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>La casella %1 non corrisponde alla soluzione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 non corrisponde neanch'essa.</numerusform>
            <numerusform>%1 non corrispondono neanch'esse.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>rivelazione</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>singolo nudo</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>singolo nascosto</translation>
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
        <translation>coppia nuda</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>coppia nascosta</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>tripla nuda</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>tripla nascosta</translation>
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
        <translation>quadrupla nuda</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>quadrupla nascosta</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>La griglia è vuota.<byte value="xd"/>Scrivi i numeri iniziali di uno schema, o caricane uno con Carica file, e chiedi di nuovo.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>I numeri iniziali non permettono nessuna soluzione: qualche numero iniziale è sbagliato.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>Le cifre nella griglia non permettono nessuna soluzione: qualche cifra è sbagliata.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>I numeri iniziali permettono più di una soluzione: manca un numero iniziale, o ce n'è uno sbagliato.<byte value="xd"/>Per un suggerimento serve uno schema con una sola soluzione.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Le cifre nella griglia permettono più di una soluzione: manca un numero iniziale, o ce n'è uno sbagliato.<byte value="xd"/>Per un suggerimento serve uno schema con una sola soluzione.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Tutte le caselle sono piene e ogni cifra corrisponde alla soluzione.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Nessuna tecnica nota a Varnodel permette qui di trovare una casella.<byte value="xd"/>Rivelata dalla soluzione, non ricavata: la casella %1 vale %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>La casella %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>Le caselle %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>nella casella %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>nelle caselle %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>dalla casella %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>dalle caselle %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Contiene %Ln schema. Scegli quello da caricare:</numerusform>
            <numerusform>Contiene %Ln schemi. Scegli quello da caricare:</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Schemi</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Si è verificato un problema con il file della guida<byte value="xd"/>Segnalalo agli sviluppatori di Varnodel: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>La guida finisce qui</translation>
    </message>
</context>
</TS>
