<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>inicial</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>La casilla %1 contiene %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>Es una carpeta, no un archivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>Es una tubería con nombre (FIFO), no un archivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>Es un dispositivo de caracteres, no un archivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>Es un dispositivo de bloques, no un archivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>Es un socket, no un archivo de sudoku.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>No es un archivo normal, así que tampoco es un archivo de sudoku.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Línea %1, carácter %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>línea %1, carácter %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>un campo vacío</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>un espacio en blanco</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Está vacío.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>Es demasiado grande para ser un sudoku.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Contiene %n elemento, separado por comas y saltos de línea, mientras que un archivo de sudoku contiene 81; el elemento %1, en la línea %2, quedaría sin leer.</numerusform>
            <numerusform>Contiene %n elementos, separados por comas y saltos de línea, mientras que un archivo de sudoku contiene 81; el elemento %1, en la línea %2, quedaría sin leer.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: «%2» sobra, porque una casilla admite un solo carácter.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>La línea %1 tiene %n casilla separada por tabulaciones, mientras que una fila tiene nueve.</numerusform>
            <numerusform>La línea %1 tiene %n casillas separadas por tabulaciones, mientras que una fila tiene nueve.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>La línea %1 tiene %n casilla separada por «%2», mientras que una fila tiene nueve.</numerusform>
            <numerusform>La línea %1 tiene %n casillas separadas por «%2», mientras que una fila tiene nueve.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>La línea %1 tiene %n casilla, mientras que una fila tiene nueve, y un sudoku en una sola línea, 81.</numerusform>
            <numerusform>La línea %1 tiene %n casillas, mientras que una fila tiene nueve, y un sudoku en una sola línea, 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>La línea %1 mide %n carácter de ancho, mientras que una fila con espacios en blanco para las casillas vacías mide nueve.</numerusform>
            <numerusform>La línea %1 mide %n caracteres de ancho, mientras que una fila con espacios en blanco para las casillas vacías mide nueve.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: %2 marca una casilla vacía, mientras que en %3 se marca con %4; una cuadrícula marca todas sus casillas vacías de la misma forma.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>La línea %1 interrumpe la cuadrícula que empieza en la línea %2, después de %3 de sus nueve filas.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>La línea %1 tiene %n campo, mientras que la línea %2 tiene %3; todas las filas de una cuadrícula tienen el mismo número de campos.</numerusform>
            <numerusform>La línea %1 tiene %n campos, mientras que la línea %2 tiene %3; todas las filas de una cuadrícula tienen el mismo número de campos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>La cuadrícula que empieza en la línea %1 solo tiene %2 de sus nueve filas.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: la matriz JSON es incorrecta en este punto (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>Es JSON, pero no una matriz de nueve filas de nueve números del 0 al 9, ni de 81 números (0 o null para una casilla vacía).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Línea %1: los datos de la partida tienen %n carácter, mientras que un sudoku necesita 81 números, 0 para una casilla vacía.</numerusform>
            <numerusform>Línea %1: los datos de la partida tienen %n caracteres, mientras que un sudoku necesita 81 números, 0 para una casilla vacía.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: el XML es incorrecto en este punto (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>Es XML, pero no contiene ninguna partida de OpenSudoku.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>No se pudo abrir: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>No se pudo leer: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>No se pudo crear: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>No se pudo escribir: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>No se pudo escribir (%1), y no se pudo restaurar todo su contenido anterior.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>Es demasiado grande para ser un archivo de sudoku.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>Es lo que dejó un guardado interrumpido de %1, no un archivo de sudoku; el próximo guardado de ese archivo lo eliminará.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>No respondió en %n segundo, así que Varnodel desistió.</numerusform>
            <numerusform>No respondió en %n segundos, así que Varnodel desistió.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>No respondió en %n segundo; el sudoku no se guardó.</numerusform>
            <numerusform>No respondió en %n segundos; el sudoku no se guardó.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Dejó de responder mientras se escribía en él el sudoku, y no respondió en %n segundo. Si vuelve a responder mientras Varnodel siga abierto, contendrá o bien lo que tenía antes, o bien el sudoku completo.</numerusform>
            <numerusform>Dejó de responder mientras se escribía en él el sudoku, y no respondió en %n segundos. Si vuelve a responder mientras Varnodel siga abierto, contendrá o bien lo que tenía antes, o bien el sudoku completo.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Se reemplazó, o cambió de propietario, mientras Varnodel lo guardaba; no se ha tocado.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Guardarlo borraría su bit set-user-ID o set-group-ID, que solo su propietario puede volver a activar.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Guardarlo borraría sus capacidades de archivo, que solo un administrador puede volver a establecer.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Se guardó, pero no se pudieron restablecer sus capacidades de archivo: %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Se guardó, pero sus permisos cambiaron de %1 a %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Varnodel no pudo cargar el archivo<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Varnodel no pudo guardar el archivo<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>La línea %1 contiene %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>No es un sudoku: una casilla admite un número, o nada.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Solo contiene %1 de las 81 casillas que necesita un archivo de sudoku.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>La casilla %1 abre unas comillas que nunca se cierran.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>La casilla %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel lee su propio archivo de sudoku (81 líneas, una casilla por línea) o una cuadrícula de 81 casillas, fila por fila: una línea de 81 caracteres o nueve líneas de nueve, con un número para cada número inicial y una misma marca, como . o 0, para las casillas vacías; la cuadrícula puede estar dibujada, o sus casillas separadas por comas, puntos y coma o tabulaciones. También lee archivos .sdk, matrices JSON de 9×9 y archivos de OpenSudoku.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Un archivo de sudoku guarda un número por casilla, o nada.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Corrige estas casillas y vuelve a pulsar Guardar.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Solo se pueden copiar números del 1 al 9 y casillas vacías.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Corrige estas casillas y vuelve a copiar.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>El portapapeles no contiene ningún sudoku.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>El portapapeles no respondió: Varnodel esperó %n segundo al programa que lo tiene.</numerusform>
            <numerusform>El portapapeles no respondió: Varnodel esperó %n segundos al programa que lo tiene.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Esta casilla ya tiene un número<byte value="xd"/>Prueba con otra</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>¡Enhorabuena!<byte value="xd"/>Lo has resuelto<byte value="xd"/><byte value="xd"/>¡Eres una estrella!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Resuelto<byte value="xd"/><byte value="xd"/>Ahora puedes escribir un número y ver si es correcto</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Este no es tan sencillo<byte value="xd"/>Mira los candidatos<byte value="xd"/>Deduce un número que deba encajar<byte value="xd"/>y pulsa Resolver.<byte value="xd"/><byte value="xd"/>Repite hasta que esté resuelto</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>Como ya está resuelto, esto solo te mostraría todos los números correctos<byte value="xd"/>Pulsa Ver solución para ver la respuesta</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>Como el sudoku no está resuelto,<byte value="xd"/>pulsa Mostrar - Ocultar cuadrícula de candidatos</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Corrige estas casillas y vuelve a pedir una pista.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Una casilla admite un número, o nada.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Para dar una pista, la cuadrícula solo puede tener números del 1 al 9 y casillas vacías.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Casilla %1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Candidatos, fila %1, columna %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>&amp;Mostrar - Ocultar cuadrícula de candidatos</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>&amp;Ver solución</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, de los desarrolladores de Varnodel<byte value="xd"/>Copyright (c) 2026 los desarrolladores de Varnodel, con licencia MIT<byte value="xd"/>Correo electrónico: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Corrige estas casillas y vuelve a pulsar Resolver.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Pegar sudoku</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiar sudoku</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>La casilla %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>Las casillas %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>la fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la columna %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>el bloque %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>La fila %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>La columna %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>El bloque %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>las filas %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>las columnas %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>En %1, solo hay sitio para %2 en %3 (%4): eso descarta %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>En %1, %2 solo admiten %3 (%4): eso descarta %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 contiene %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>Los pasos anteriores descartan %1.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Solo queda el %1 para la casilla %2 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>En %1, el %2 solo puede ir en la casilla %3 (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (casilla %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>El %1 ya está en %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>Los pasos anteriores lo descartan %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>La casilla %1 es un %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 tienen cada una un %2 en %3.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>Y %n más.</numerusform>
            <numerusform>Y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Hay números repetidos: una fila, una columna o un bloque tiene un mismo número dos veces.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>La casilla %1 no admite ningún número: entre su fila, su columna y su bloque ya están todos los números del 1 al 9.<byte value="xd"/>Algún número de la cuadrícula está mal.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>En %1, el %2 ya no tiene sitio: cada casilla vacía ya tiene uno en su fila, su columna o su bloque.<byte value="xd"/>Algún número de la cuadrícula está mal.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>La casilla %1 no coincide con la solución.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 tampoco coincide con la solución.</numerusform>
            <numerusform>%1 tampoco coinciden con la solución.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>revelación</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>único desnudo</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>único oculto</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>señalamiento</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>reducción línea-bloque</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>par desnudo</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>par oculto</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>trío desnudo</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>trío oculto</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation>cuarteto desnudo</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>cuarteto oculto</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>La cuadrícula está vacía.<byte value="xd"/>Escribe los números iniciales de un sudoku, o carga uno con Cargar, y vuelve a pedir una pista.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>Los números iniciales no admiten ninguna solución: alguno está mal.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>Los números de la cuadrícula no admiten ninguna solución: alguno está mal.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Los números iniciales admiten más de una solución: falta alguno o alguno está mal.<byte value="xd"/>Para dar una pista, el sudoku debe tener una única solución.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Los números de la cuadrícula admiten más de una solución: falta algún número inicial o alguno está mal.<byte value="xd"/>Para dar una pista, el sudoku debe tener una única solución.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Todas las casillas están llenas y todos los números coinciden con la solución.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Ninguna técnica que conoce Varnodel permite deducir aquí una casilla.<byte value="xd"/>Tomado de la solución, no deducido: la casilla %1 es un %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>la casilla %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>las casillas %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>la casilla %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>las casillas %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>de la casilla %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>de las casillas %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Contiene %Ln sudoku. Elige el que quieres cargar:</numerusform>
            <numerusform>Contiene %Ln sudokus. Elige el que quieres cargar:</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Sudokus</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Hubo un problema con el archivo de ayuda<byte value="xd"/>Avisa, por favor, a los desarrolladores de Varnodel: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>Aquí termina la ayuda</translation>
    </message>
</context>
</TS>
