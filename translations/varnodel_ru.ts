<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>исходная</translation>
    </message>
    <message>
        <source>right</source>
        <translation>верная</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>неверная</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>В клетке %1 — %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>Это папка, а не файл головоломки.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>Это FIFO (именованный канал), а не файл головоломки.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>Это символьное устройство, а не файл головоломки.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>Это блочное устройство, а не файл головоломки.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>Это сокет, а не файл головоломки.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>Это не обычный файл и не файл головоломки.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Строка %1, символ %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>строка %1, символ %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>пустое поле</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>пробел</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Он пуст.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>Он слишком велик для головоломки.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Запятые и концы строк делят его на %n элемент, а в файле головоломки их 81; элемент %1 в строке %2 остался бы непрочитанным.</numerusform>
            <numerusform>Запятые и концы строк делят его на %n элемента, а в файле головоломки их 81; элемент %1 в строке %2 остался бы непрочитанным.</numerusform>
            <numerusform>Запятые и концы строк делят его на %n элементов, а в файле головоломки их 81; элемент %1 в строке %2 остался бы непрочитанным.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1: «%2» не подходит: в клетке может быть только один символ.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>Строка %1 делится табуляциями на %n клетку, а в строке сетки их девять.</numerusform>
            <numerusform>Строка %1 делится табуляциями на %n клетки, а в строке сетки их девять.</numerusform>
            <numerusform>Строка %1 делится табуляциями на %n клеток, а в строке сетки их девять.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>Строка %1 делится знаком «%2» на %n клетку, а в строке сетки их девять.</numerusform>
            <numerusform>Строка %1 делится знаком «%2» на %n клетки, а в строке сетки их девять.</numerusform>
            <numerusform>Строка %1 делится знаком «%2» на %n клеток, а в строке сетки их девять.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>В строке %1 — %n клетка, а нужно девять (строка сетки) или 81 (вся головоломка в одной строке).</numerusform>
            <numerusform>В строке %1 — %n клетки, а нужно девять (строка сетки) или 81 (вся головоломка в одной строке).</numerusform>
            <numerusform>В строке %1 — %n клеток, а нужно девять (строка сетки) или 81 (вся головоломка в одной строке).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>Длина строки %1 — %n символ, а у строки сетки с пробелами на месте пустых клеток — девять.</numerusform>
            <numerusform>Длина строки %1 — %n символа, а у строки сетки с пробелами на месте пустых клеток — девять.</numerusform>
            <numerusform>Длина строки %1 — %n символов, а у строки сетки с пробелами на месте пустых клеток — девять.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1: пустую клетку обозначает %2, а в другом месте (%3) — %4; в одной сетке пустые клетки обозначаются одинаково.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>Строка %1 разрывает сетку, которая начинается в строке %2, после %3 из девяти её строк.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>В строке %1 — %n поле, а в строке %2 — %3; строки одной сетки должны заканчиваться одинаково.</numerusform>
            <numerusform>В строке %1 — %n поля, а в строке %2 — %3; строки одной сетки должны заканчиваться одинаково.</numerusform>
            <numerusform>В строке %1 — %n полей, а в строке %2 — %3; строки одной сетки должны заканчиваться одинаково.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>В сетке, которая начинается в строке %1, из девяти строк есть только %2.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1: здесь массив JSON нарушен (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>Это JSON, но не массив из девяти строк по девять чисел от 0 до 9 и не массив из 81 числа (0 или null — пустая клетка).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Строка %1: в данных игры %n символ, а головоломке нужна 81 цифра (0 — пустая клетка).</numerusform>
            <numerusform>Строка %1: в данных игры %n символа, а головоломке нужна 81 цифра (0 — пустая клетка).</numerusform>
            <numerusform>Строка %1: в данных игры %n символов, а головоломке нужна 81 цифра (0 — пустая клетка).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1: здесь XML нарушен (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>Это XML, но в нём нет игры OpenSudoku.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Такого файла нет.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Его не удалось открыть: %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Его не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Его не удалось создать: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Его не удалось записать: %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Его не удалось записать: %1 Прежнее содержимое не удалось восстановить полностью.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>Он слишком велик для файла головоломки.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>Это остаток прерванного сохранения файла %1, а не файл головоломки; следующее сохранение того файла его удалит.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Он не ответил за %n секунду, и Varnodel прекратил попытки.</numerusform>
            <numerusform>Он не ответил за %n секунды, и Varnodel прекратил попытки.</numerusform>
            <numerusform>Он не ответил за %n секунд, и Varnodel прекратил попытки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Он не ответил за %n секунду; головоломка не сохранена.</numerusform>
            <numerusform>Он не ответил за %n секунды; головоломка не сохранена.</numerusform>
            <numerusform>Он не ответил за %n секунд; головоломка не сохранена.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Он перестал отвечать во время записи головоломки и не ответил за %n секунду. Если он снова ответит, пока Varnodel работает, в нём будет либо прежнее содержимое, либо вся головоломка.</numerusform>
            <numerusform>Он перестал отвечать во время записи головоломки и не ответил за %n секунды. Если он снова ответит, пока Varnodel работает, в нём будет либо прежнее содержимое, либо вся головоломка.</numerusform>
            <numerusform>Он перестал отвечать во время записи головоломки и не ответил за %n секунд. Если он снова ответит, пока Varnodel работает, в нём будет либо прежнее содержимое, либо вся головоломка.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Пока Varnodel его сохранял, файл был заменён или сменил владельца; файл оставлен как есть.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>Сохранение сбросило бы его бит set-user-ID или set-group-ID, а снова установить этот бит может только владелец файла.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>Сохранение сбросило бы его файловые возможности (capabilities), а снова установить их может только администратор.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Файл сохранён, но его файловые возможности не удалось восстановить: %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Файл сохранён, но его права доступа изменились с %1 на %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Varnodel не удалось загрузить файл<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Varnodel не удалось сохранить файл<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>В строке %1 — %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>Это не головоломка: в клетке может быть одна цифра или ничего.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>В нём только %1 из 81 клетки, которые нужны файлу головоломки.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>В клетке %1 открыта кавычка, которая нигде не закрывается.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>В клетке %1 больше %2 символов.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel читает свой файл головоломки (81 строка по одной клетке) или сетку из 81 клетки по строкам: одна строка из 81 символа или девять строк по девять; исходная клетка — это цифра, а пустая клетка обозначается одним знаком, например . или 0; строки сетки могут быть нарисованы или разделены запятыми, точками с запятой или табуляциями. Также он читает файлы .sdk, массивы JSON 9×9 и файлы OpenSudoku.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>В файле головоломки в каждой клетке одна цифра или ничего.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Исправьте эти клетки и снова нажмите «Сохранить файл».</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Копировать можно только цифры от 1 до 9 и пустые клетки.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Исправьте эти клетки и скопируйте снова.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>В буфере обмена нет головоломки.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>Буфер обмена не ответил: Varnodel ждал %n секунду ответа программы, которая им владеет.</numerusform>
            <numerusform>Буфер обмена не ответил: Varnodel ждал %n секунды ответа программы, которая им владеет.</numerusform>
            <numerusform>Буфер обмена не ответил: Varnodel ждал %n секунд ответа программы, которая им владеет.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Здесь уже стоит цифра<byte value="xd"/>Выберите другую клетку</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Поздравляем!<byte value="xd"/>Вы решили головоломку!<byte value="xd"/><byte value="xd"/>Вы звезда!</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Решено<byte value="xd"/><byte value="xd"/>Теперь вводите цифры: Varnodel проверит, верны ли они</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Эта головоломка не так проста<byte value="xd"/>Посмотрите на возможные числа<byte value="xd"/>Найдите цифру, которая точно подходит,<byte value="xd"/>и нажмите «Решить».<byte value="xd"/><byte value="xd"/>Повторяйте, пока головоломка не будет решена</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>Головоломка решена: здесь можно только показать все верные цифры.<byte value="xd"/>Нажмите «Показать ответ», чтобы увидеть ответ</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>Головоломка ещё не решена.<byte value="xd"/>Нажмите «Показать - скрыть сетку возможных чисел»</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Исправьте эти клетки и снова запросите подсказку.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>В клетке может стоять одна цифра или ничего.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Для подсказки в клетках должны быть только цифры от 1 до 9 или ничего.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Клетка %1, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Возможные числа, строка %1, столбец %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Сохранить &amp;файл</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Загрузить файл</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Решить</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>&amp;Показать - скрыть сетку возможных чисел</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Показать &amp;ответ</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Справочная информация</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, авторы — разработчики Varnodel<byte value="xd"/>Copyright (c) 2026 разработчики Varnodel, лицензия MIT<byte value="xd"/>Эл. почта: varnodel@example.org<byte value="xd"/>Сайт: https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Исправьте эти клетки и снова нажмите «Решить».</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Вставить головоломку</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Копировать головоломку</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Клетка %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>Клетки %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>строке %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбце %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>квадрате %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Квадрат %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>строках %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>столбцах %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>В %1 место для %2 есть только в %3 (%4): это исключает %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>В %1 %2 могут содержать только %3 (%4): это исключает %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 содержит %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>Шаги выше исключают %1.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Для клетки %2 остаётся только %1 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>В %1 цифра %2 может стоять только в клетке %3 (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (клетка %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>%1 уже есть в %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>Шаги выше исключают её из %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>В клетке %1 — цифра %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 в %3 содержат одну и ту же цифру %2.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>И ещё %n.</numerusform>
            <numerusform>И ещё %n.</numerusform>
            <numerusform>И ещё %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Некоторые цифры повторяются: в строке, столбце или квадрате одна цифра стоит дважды.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>В клетку %1 нельзя поставить ни одной цифры: в её строке, столбце и квадрате вместе уже есть все цифры от 1 до 9.<byte value="xd"/>Какая-то цифра в сетке неверна.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>В %1 для цифры %2 не осталось места: у каждой пустой клетки там она уже есть в строке, столбце или квадрате.<byte value="xd"/>Какая-то цифра в сетке неверна.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>Цифра в клетке %1 не совпадает с решением.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 — тоже.</numerusform>
            <numerusform>%1 — тоже.</numerusform>
            <numerusform>%1 — тоже.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>открыто по решению</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>очевидная одиночка</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>скрытая одиночка</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>указывающие кандидаты</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>запертые кандидаты</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>очевидная пара</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>скрытая пара</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>очевидная тройка</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>скрытая тройка</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-wing</translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation>рыба-меч</translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation>очевидная четвёрка</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>скрытая четвёрка</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>медуза</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>Сетка пуста.<byte value="xd"/>Введите исходные цифры головоломки или загрузите её кнопкой «Загрузить файл» и снова запросите подсказку.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>С такими исходными цифрами решения нет: какая-то исходная цифра неверна.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>С цифрами, стоящими в сетке, решения нет: какая-то цифра неверна.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>С такими исходными цифрами решений больше одного: какой-то исходной цифры не хватает или она неверна.<byte value="xd"/>Для подсказки нужна головоломка ровно с одним решением.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>С цифрами, стоящими в сетке, решений больше одного: какой-то исходной цифры не хватает или она неверна.<byte value="xd"/>Для подсказки нужна головоломка ровно с одним решением.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Все клетки заполнены, и все цифры совпадают с решением.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Ни один известный Varnodel приём здесь не определяет ни одной клетки.<byte value="xd"/>Взято из решения, а не выведено: в клетке %1 — цифра %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>клетка %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>клетки %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>клетке %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>клетках %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>клетки %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>клеток %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>В нём %Ln головоломка. Выберите, какую загрузить:</numerusform>
            <numerusform>В нём %Ln головоломки. Выберите, какую загрузить:</numerusform>
            <numerusform>В нём %Ln головоломок. Выберите, какую загрузить:</numerusform>
        </translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Головоломки</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help Information</source>
        <translation>Справочная информация</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>С файлом справки возникла проблема<byte value="xd"/>Пожалуйста, сообщите разработчикам Varnodel: varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>Это конец справки</translation>
    </message>
</context>
</TS>
