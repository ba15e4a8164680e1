<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>número inicial</translation>
    </message>
    <message>
        <source>right</source>
        <translation>certa</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
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
        <translation>vazia</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais uma</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>A célula %1 contém %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>É uma pasta, não um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>É um FIFO (pipe nomeado), não um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>É um dispositivo de caracteres, não um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>É um dispositivo de blocos, não um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>É um socket, não um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>Não é um arquivo comum, portanto não é um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Linha %1, caractere %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>linha %1, caractere %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>um campo vazio</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>um espaço</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Está vazio.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>É grande demais para ser um sudoku.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Contém %n item, separado por vírgulas e quebras de linha, enquanto um arquivo de sudoku tem 81; o item %1, na linha %2, ficaria sem ser lido.</numerusform>
            <numerusform>Contém %n itens, separados por vírgulas e quebras de linha, enquanto um arquivo de sudoku tem 81; o item %1, na linha %2, ficaria sem ser lido.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: &quot;%2&quot; está sobrando, pois uma célula leva um só caractere.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>A linha %1 do arquivo tem %n célula separada por tabulações, enquanto uma linha da grade tem nove.</numerusform>
            <numerusform>A linha %1 do arquivo tem %n células separadas por tabulações, enquanto uma linha da grade tem nove.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>A linha %1 do arquivo tem %n célula separada por &quot;%2&quot;, enquanto uma linha da grade tem nove.</numerusform>
            <numerusform>A linha %1 do arquivo tem %n células separadas por &quot;%2&quot;, enquanto uma linha da grade tem nove.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>A linha %1 do arquivo tem %n célula, enquanto uma linha da grade tem nove e um sudoku numa só linha tem 81.</numerusform>
            <numerusform>A linha %1 do arquivo tem %n células, enquanto uma linha da grade tem nove e um sudoku numa só linha tem 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>A linha %1 do arquivo tem %n caractere, enquanto uma linha da grade com espaços nas células vazias tem nove.</numerusform>
            <numerusform>A linha %1 do arquivo tem %n caracteres, enquanto uma linha da grade com espaços nas células vazias tem nove.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: uma célula vazia é marcada com %2, enquanto na %3 é marcada com %4; uma grade marca todas as células vazias do mesmo jeito.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>A linha %1 interrompe a grade que começa na linha %2, depois de %3 das suas nove linhas.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>A linha %1 tem %n campo, enquanto a linha %2 tem %3; as linhas de uma grade têm todas o mesmo número de campos.</numerusform>
            <numerusform>A linha %1 tem %n campos, enquanto a linha %2 tem %3; as linhas de uma grade têm todas o mesmo número de campos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>A grade que começa na linha %1 tem só %2 das suas nove linhas.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: o array JSON não pode continuar aqui (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>É JSON, mas não é um array de nove linhas de nove números de 0 a 9, nem de 81 números (0 ou null para uma célula vazia).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Linha %1: os dados do jogo têm %n caractere, enquanto um sudoku leva 81 dígitos, 0 para uma célula vazia.</numerusform>
            <numerusform>Linha %1: os dados do jogo têm %n caracteres, enquanto um sudoku leva 81 dígitos, 0 para uma célula vazia.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: o XML não pode continuar aqui (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>É XML, mas não contém nenhum jogo do OpenSudoku.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Não foi possível abri-lo: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Não foi possível lê-lo: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Não foi possível criá-lo: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Não foi possível gravá-lo: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Não foi possível gravá-lo: %1. Não foi possível restaurar todo o seu conteúdo anterior.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>É grande demais para ser um arquivo de sudoku.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>É o que sobrou de um salvamento interrompido de %1, não um arquivo de sudoku; o próximo salvamento desse arquivo vai removê-lo.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Não respondeu dentro de %n segundo, então o Varnodel desistiu.</numerusform>
            <numerusform>Não respondeu dentro de %n segundos, então o Varnodel desistiu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Não respondeu dentro de %n segundo; o sudoku não foi salvo.</numerusform>
            <numerusform>Não respondeu dentro de %n segundos; o sudoku não foi salvo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Parou de responder enquanto o sudoku era gravado nele e não respondeu dentro de %n segundo. Se voltar a responder enquanto o Varnodel estiver aberto, terá ou o que tinha antes ou o sudoku inteiro.</numerusform>
            <numerusform>Parou de responder enquanto o sudoku era gravado nele e não respondeu dentro de %n segundos. Se voltar a responder enquanto o Varnodel estiver aberto, terá ou o que tinha antes ou o sudoku inteiro.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Foi substituído, ou mudou de dono, enquanto o Varnodel o salvava; foi deixado como estava.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Salvá-lo apagaria o bit set-user-ID ou set-group-ID dele, que só o dono pode ativar de novo.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Salvá-lo apagaria as capabilities de arquivo dele, que só um administrador pode definir de novo.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Foi salvo, mas não foi possível definir de novo as capabilities de arquivo dele: %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Foi salvo, mas as permissões dele mudaram de %1 para %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>O Varnodel não conseguiu carregar o arquivo<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>O Varnodel não conseguiu salvar o arquivo<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>A linha %1 contém %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>Não é um sudoku: uma célula aceita um dígito, ou nada.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Contém só %1 das 81 células de que um arquivo de sudoku precisa.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>A célula %1 abre aspas que nunca são fechadas.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>A célula %1 tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>O Varnodel lê o seu próprio arquivo de sudoku, com 81 linhas de uma célula cada, ou uma grade de 81 células, linha por linha: uma linha de 81 caracteres ou nove linhas de nove, com um dígito para cada número inicial e um único sinal, como . ou 0, para cada célula vazia; a grade pode ter os blocos desenhados ou as células separadas por vírgulas, ponto e vírgula ou tabulações. Lê também arquivos .sdk, arrays JSON 9×9 e arquivos OpenSudoku.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Um arquivo de sudoku guarda um dígito por célula, ou nada.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Corrija essas células e clique em Salvar arquivo de novo.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Só é possível copiar dígitos de 1 a 9 e células vazias.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Corrija essas células e copie de novo.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>A área de transferência não contém um sudoku.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>A área de transferência não respondeu: o Varnodel esperou %n segundo pelo programa que a controla.</numerusform>
            <numerusform>A área de transferência não respondeu: o Varnodel esperou %n segundos pelo programa que a controla.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Esta célula já tem um número<byte value="xd"/>Tente outra</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Parabéns<byte value="xd"/>Você resolveu o sudoku<byte value="xd"/><byte value="xd"/>Você é demais!!!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Resolvido<byte value="xd"/><byte value="xd"/>Agora você pode digitar um número e ver se está certo</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Este sudoku não é tão simples<byte value="xd"/>Olhe os números possíveis<byte value="xd"/>Descubra um número que tem que entrar numa célula<byte value="xd"/>e clique em Resolver.<byte value="xd"/><byte value="xd"/>Repita até o sudoku estar resolvido</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>O sudoku está resolvido: este botão só mostraria os números certos<byte value="xd"/>Clique em Ver resultado para ver a resposta</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>O sudoku ainda não foi resolvido<byte value="xd"/>Clique em Mostrar - Ocultar grade de números possíveis</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Corrija essas células e peça uma dica de novo.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Uma célula aceita um dígito, ou nada.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Para dar uma dica, a grade só pode ter dígitos de 1 a 9 e células vazias.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Célula %1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Números possíveis, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>&amp;Salvar arquivo</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Abrir arquivo</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>Mostrar - Ocultar grade de números &amp;possíveis</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>&amp;Ver resultado</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, pelos desenvolvedores do Varnodel<byte value="xd"/>Copyright (c) 2026 os desenvolvedores do Varnodel, sob a licença MIT<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Corrija essas células e clique em Resolver de novo.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Colar sudoku</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>A célula %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>As células %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>na coluna %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>no bloco %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>A linha %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>A coluna %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>O bloco %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>nas linhas %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>nas colunas %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>Para %2, %1, só há lugar %3 (%4): isso elimina %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>%2, %1, só aceitam %3 (%4): isso elimina %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 tem %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>Os passos acima eliminam %1.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Isso deixa só o %1 para a célula %2 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>O %2, %1, só pode ir na célula %3 (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (célula %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>O %1 já está %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>Os passos acima o eliminam %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>Na célula %1 vai o %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 têm, cada uma, o %2 %3.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>E mais um caso.</numerusform>
            <numerusform>E mais %n casos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Há dígitos em conflito: uma linha, uma coluna ou um bloco tem o mesmo dígito duas vezes.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>A célula %1 não aceita nenhum dígito: a linha, a coluna e o bloco dela já têm, juntos, todos os dígitos de 1 a 9.<byte value="xd"/>Algum dígito da grade está errado.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>O %2 não tem mais lugar %1: toda célula vazia ali já está bloqueada por outro %2.<byte value="xd"/>Algum dígito da grade está errado.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>A célula %1 não confere com a solução.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 também não confere.</numerusform>
            <numerusform>%1 também não conferem.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>revelação</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>candidato único</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>posição única</translation>
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
        <translation>par nu</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>par oculto</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>trio nu</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>trio oculto</translation>
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
        <translation>quarteto nu</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>quarteto oculto</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>A grade está vazia.<byte value="xd"/>Digite os números iniciais de um sudoku, ou carregue um com Abrir arquivo, e peça de novo.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>Os números iniciais não permitem nenhuma solução: algum deles está errado.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>Os dígitos da grade não permitem nenhuma solução: algum dígito está errado.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Os números iniciais permitem mais de uma solução: falta um número inicial ou algum está errado.<byte value="xd"/>Uma dica precisa de um sudoku com solução única.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Os dígitos da grade permitem mais de uma solução: falta um número inicial ou algum está errado.<byte value="xd"/>Uma dica precisa de um sudoku com solução única.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Todas as células estão preenchidas, e todos os dígitos conferem com a solução.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Nenhuma técnica que o Varnodel conhece decide uma célula aqui.<byte value="xd"/>Revelado pela solução, não descoberto: na célula %1 vai o %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>A célula %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>As células %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>na célula %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>nas células %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>da célula %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>das células %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Contém %Ln sudoku. Escolha qual carregar:</numerusform>
            <numerusform>Contém %Ln sudokus. Escolha qual carregar:</numerusform>
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
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Houve um problema com o arquivo de ajuda<byte value="xd"/>Avise os desenvolvedores do Varnodel: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>Este é o fim do arquivo de ajuda</translation>
    </message>
</context>
</TS>
