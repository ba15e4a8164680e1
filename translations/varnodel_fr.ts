<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>given</source>
        <translation>donné</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A spoken list of a box&apos;s characters: &quot;1, 4, 6 and 7&quot;; %1 holds all but the last, joined by the separator below.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Cell %1 holds %2</source>
        <translation>La case %1 contient %2</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>It is a folder, not a puzzle file.</source>
        <translation>C'est un dossier, pas un fichier de sudoku.</translation>
    </message>
    <message>
        <source>It is a FIFO (named pipe), not a puzzle file.</source>
        <translation>C'est un tube nommé (FIFO), pas un fichier de sudoku.</translation>
    </message>
    <message>
        <source>It is a character device, not a puzzle file.</source>
        <translation>C'est un périphérique en mode caractère, pas un fichier de sudoku.</translation>
    </message>
    <message>
        <source>It is a block device, not a puzzle file.</source>
        <translation>C'est un périphérique en mode bloc, pas un fichier de sudoku.</translation>
    </message>
    <message>
        <source>It is a socket, not a puzzle file.</source>
        <translation>C'est une socket, pas un fichier de sudoku.</translation>
    </message>
    <message>
        <source>It is no regular file, not a puzzle file.</source>
        <translation>Ce n'est pas un fichier ordinaire, donc pas un fichier de sudoku.</translation>
    </message>
    <message>
        <source>Line %1, character %2</source>
        <extracomment>A place in a text, opening a line: &quot;Line 5, character 9: ...&quot; (%1 the line, %2 the character&apos;s place in it); the lower-case forms stand inside a sentence.</extracomment>
        <translation>Ligne %1, caractère %2</translation>
    </message>
    <message>
        <source>line %1, character %2</source>
        <translation>ligne %1, caractère %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>an empty field</source>
        <extracomment>How a mark of an open cell is named inside a sentence: an empty field between two separators, a blank, or the character itself in quotes.</extracomment>
        <translation>un champ vide</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>un blanc</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character of the text</comment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Il est vide.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle.</source>
        <translation>Il est trop grand pour être un sudoku.</translation>
    </message>
    <message numerus="yes">
        <source>It holds %n items, separated by commas and line ends, where a puzzle file holds 81; item %1, on line %2, would be left unread.</source>
        <translation>
            <numerusform>Il contient %n élément, séparé par des virgules et des fins de ligne, alors qu'un fichier de sudoku en contient 81 ; l'élément %1, à la ligne %2, ne serait pas lu.</numerusform>
            <numerusform>Il contient %n éléments, séparés par des virgules et des fins de ligne, alors qu'un fichier de sudoku en contient 81 ; l'élément %1, à la ligne %2, ne serait pas lu.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; does not fit, for a cell takes one character.</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 a character of the text.</extracomment>
        <translation>%1 : « %2 » est de trop, car une case ne prend qu'un seul caractère.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by tabs, where a row holds nine.</source>
        <translation>
            <numerusform>La ligne %1 contient %n case séparée par des tabulations, alors qu'une ligne de la grille en contient neuf.</numerusform>
            <numerusform>La ligne %1 contient %n cases séparées par des tabulations, alors qu'une ligne de la grille en contient neuf.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells separated by &quot;%2&quot;, where a row holds nine.</source>
        <extracomment>%2 the separator: a comma or a semicolon.</extracomment>
        <translation>
            <numerusform>La ligne %1 contient %n case séparée par « %2 », alors qu'une ligne de la grille en contient neuf.</numerusform>
            <numerusform>La ligne %1 contient %n cases séparées par « %2 », alors qu'une ligne de la grille en contient neuf.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n cells, where a row holds nine and a puzzle on one line 81.</source>
        <translation>
            <numerusform>La ligne %1 contient %n case, alors qu'une ligne de la grille en contient neuf, et un sudoku sur une seule ligne 81.</numerusform>
            <numerusform>La ligne %1 contient %n cases, alors qu'une ligne de la grille en contient neuf, et un sudoku sur une seule ligne 81.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Line %1 is %n characters wide, where a row with blanks for open cells is nine.</source>
        <translation>
            <numerusform>La ligne %1 fait %n caractère de large, alors qu'une ligne de la grille, avec des blancs pour les cases vides, en fait neuf.</numerusform>
            <numerusform>La ligne %1 fait %n caractères de large, alors qu'une ligne de la grille, avec des blancs pour les cases vides, en fait neuf.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 marks an open cell, where %3 marks one with %4; a grid marks its open cells one way.</source>
        <extracomment>%1 and %3 places (&quot;Line 1, character 3&quot;, &quot;line 2, character 2&quot;), %2 and %4 the marks found there (&quot;&quot;-&quot;&quot;, &quot;an empty field&quot;, &quot;a blank&quot;).</extracomment>
        <translation>%1 : %2 marque une case vide, alors qu'en %3 c'est %4 ; une grille marque toutes ses cases vides de la même façon.</translation>
    </message>
    <message>
        <source>Line %1 breaks into the grid that starts on line %2, after %3 of its nine rows.</source>
        <translation>La ligne %1 interrompt la grille qui commence à la ligne %2, après %3 de ses neuf lignes.</translation>
    </message>
    <message numerus="yes">
        <source>Line %1 holds %n fields, where line %2 holds %3; the rows of a grid end alike.</source>
        <translation>
            <numerusform>La ligne %1 contient %n champ, alors que la ligne %2 en contient %3 ; toutes les lignes d'une grille ont le même nombre de champs.</numerusform>
            <numerusform>La ligne %1 contient %n champs, alors que la ligne %2 en contient %3 ; toutes les lignes d'une grille ont le même nombre de champs.</numerusform>
        </translation>
    </message>
    <message>
        <source>The grid that starts on line %1 holds only %2 of its nine rows.</source>
        <translation>La grille qui commence à la ligne %1 ne contient que %2 de ses neuf lignes.</translation>
    </message>
    <message>
        <source>%1: the JSON array does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the JSON parser&apos;s own message.</extracomment>
        <translation>%1 : le tableau JSON est incorrect à cet endroit (%2).</translation>
    </message>
    <message>
        <source>It is JSON, but no array of nine rows of nine numbers 0 to 9, nor of 81 (0 or null for an open cell).</source>
        <translation>C'est du JSON, mais pas un tableau de neuf lignes de neuf nombres de 0 à 9, ni de 81 nombres (0 ou null pour une case vide).</translation>
    </message>
    <message numerus="yes">
        <source>Line %1: the game&apos;s data holds %n characters, where a puzzle takes 81 digits, 0 for an open cell.</source>
        <translation>
            <numerusform>Ligne %1 : les données de la partie contiennent %n caractère, alors qu'un sudoku demande 81 chiffres, 0 pour une case vide.</numerusform>
            <numerusform>Ligne %1 : les données de la partie contiennent %n caractères, alors qu'un sudoku demande 81 chiffres, 0 pour une case vide.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the XML does not go on here (%2).</source>
        <extracomment>%1 a place (&quot;Line 5, character 9&quot;), %2 the XML parser&apos;s own message.</extracomment>
        <translation>%1 : le XML est incorrect à cet endroit (%2).</translation>
    </message>
    <message>
        <source>It is XML, but holds no OpenSudoku game.</source>
        <translation>C'est du XML, mais il ne contient aucune partie OpenSudoku.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n'existe pas.</translation>
    </message>
    <message>
        <source>It could not be opened: %1</source>
        <extracomment>%1 the system&apos;s own words for what went wrong, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Impossible de l'ouvrir : %1</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Impossible de le lire : %1</translation>
    </message>
    <message>
        <source>It could not be created: %1</source>
        <translation>Impossible de le créer : %1</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <translation>Impossible d'y écrire : %1</translation>
    </message>
    <message>
        <source>It could not be written: %1. Its old bytes could not all be put back.</source>
        <translation>Impossible d'y écrire (%1), et son ancien contenu n'a pas pu être entièrement rétabli.</translation>
    </message>
    <message>
        <source>It is too large to be a puzzle file.</source>
        <translation>Il est trop grand pour être un fichier de sudoku.</translation>
    </message>
    <message>
        <source>It is what an interrupted save of %1 left behind, not a puzzle file; the next save of that file removes it.</source>
        <extracomment>%1 the name of the file the interrupted save was writing.</extracomment>
        <translation>C'est le reste d'un enregistrement interrompu de %1, pas un fichier de sudoku ; le prochain enregistrement de ce fichier le supprimera.</translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds, so Varnodel gave up on it.</source>
        <translation>
            <numerusform>Il n'a pas répondu en %n seconde, et Varnodel a renoncé.</numerusform>
            <numerusform>Il n'a pas répondu en %n secondes, et Varnodel a renoncé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It did not answer within %n seconds; the puzzle was not saved.</source>
        <translation>
            <numerusform>Il n'a pas répondu en %n seconde ; le sudoku n'a pas été enregistré.</numerusform>
            <numerusform>Il n'a pas répondu en %n secondes ; le sudoku n'a pas été enregistré.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It stopped answering while the puzzle was being written into it, and did not answer within %n seconds. If it answers again while Varnodel runs, it then holds either what it held before or the whole puzzle.</source>
        <translation>
            <numerusform>Il a cessé de répondre pendant l'écriture du sudoku, et n'a pas répondu en %n seconde. S'il répond de nouveau pendant que Varnodel est ouvert, il contiendra soit son ancien contenu, soit le sudoku entier.</numerusform>
            <numerusform>Il a cessé de répondre pendant l'écriture du sudoku, et n'a pas répondu en %n secondes. S'il répond de nouveau pendant que Varnodel est ouvert, il contiendra soit son ancien contenu, soit le sudoku entier.</numerusform>
        </translation>
    </message>
    <message>
        <source>It was replaced, or changed owner, while Varnodel was saving it; it was left alone.</source>
        <translation>Il a été remplacé, ou a changé de propriétaire, pendant que Varnodel l'enregistrait ; il n'a pas été touché.</translation>
    </message>
    <message>
        <source>Saving it would clear its set-user-ID or set-group-ID bit, which only its owner may set again.</source>
        <translation>L'enregistrer effacerait son bit set-user-ID ou set-group-ID, que seul son propriétaire peut remettre.</translation>
    </message>
    <message>
        <source>Saving it would clear its file capabilities, which only an administrator may set again.</source>
        <translation>L'enregistrer effacerait ses capacités de fichier, que seul un administrateur peut remettre.</translation>
    </message>
    <message>
        <source>It was saved, but its file capabilities could not be set again: %1</source>
        <translation>Il a été enregistré, mais ses capacités de fichier n'ont pas pu être remises : %1</translation>
    </message>
    <message>
        <source>It was saved, but its permissions changed from %1 to %2.</source>
        <extracomment>%1 and %2 the file&apos;s permissions as octal numbers, such as 0644.</extracomment>
        <translation>Il a été enregistré, mais ses droits d'accès sont passés de %1 à %2.</translation>
    </message>
    <message>
        <source>Varnodel could not load the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be loaded.</extracomment>
        <translation>Varnodel n'a pas pu charger le fichier<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Varnodel could not save the file<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message of several lines: %1 the file&apos;s name, %2 why it could not be saved.</extracomment>
        <translation>Varnodel n'a pas pu enregistrer le fichier<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1 holds %2</source>
        <extracomment>%1 a line of the file, %2 its text in quotes.</extracomment>
        <translation>La ligne %1 contient %2</translation>
    </message>
    <message>
        <source>It is not a puzzle: a cell takes one digit, or nothing.</source>
        <translation>Ce n'est pas un sudoku : une case prend un chiffre, ou rien.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>It holds only %1 of the 81 cells a puzzle file needs.</source>
        <translation>Il ne contient que %1 des 81 cases qu'il faut à un fichier de sudoku.</translation>
    </message>
    <message>
        <source>Cell %1 opens a quote that is never closed.</source>
        <translation>La case %1 ouvre des guillemets qui ne sont jamais fermés.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 characters.</source>
        <translation>La case %1 contient plus de %2 caractères.</translation>
    </message>
    <message>
        <source>Varnodel reads its own puzzle file, 81 lines of one cell each, or a grid of 81 cells, row by row: one line of 81 characters or nine lines of nine, a digit for a given and one mark, such as . or 0, for an open cell; rows may be drawn, or separated by commas, semicolons or tabs. It also reads .sdk files, 9×9 JSON arrays and OpenSudoku files.</source>
        <translation>Varnodel lit son propre fichier de sudoku (81 lignes d'une case chacune) ou une grille de 81 cases, ligne par ligne : une ligne de 81 caractères ou neuf lignes de neuf, avec un chiffre pour chaque chiffre donné et une seule marque, comme . ou 0, pour les cases vides ; la grille peut être tracée, ou ses cases séparées par des virgules, des points-virgules ou des tabulations. Il lit aussi les fichiers .sdk, les tableaux JSON 9×9 et les fichiers OpenSudoku.</translation>
    </message>
    <message>
        <source>A puzzle file keeps one digit a cell, or nothing.</source>
        <translation>Un fichier de sudoku garde un chiffre par case, ou rien.</translation>
    </message>
    <message>
        <source>Correct these cells and click Save File again.</source>
        <translation>Corrigez ces cases et cliquez de nouveau sur Enregistrer.</translation>
    </message>
    <message>
        <source>Only digits 1 to 9 and empty cells can be copied.</source>
        <translation>Seuls les chiffres de 1 à 9 et les cases vides peuvent être copiés.</translation>
    </message>
    <message>
        <source>Correct these cells and copy again.</source>
        <translation>Corrigez ces cases et copiez de nouveau.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 why: one or more lines about the clipboard&apos;s text.</extracomment>
        <translation>Le presse-papiers ne contient aucun sudoku.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard did not answer: Varnodel waited %n seconds for the program that holds it.</source>
        <translation>
            <numerusform>Le presse-papiers n'a pas répondu : Varnodel a attendu %n seconde le programme qui le détient.</numerusform>
            <numerusform>Le presse-papiers n'a pas répondu : Varnodel a attendu %n secondes le programme qui le détient.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>This is Already a Number<byte value="xd"/>Try Another one</source>
        <translation>Cette case contient déjà un chiffre<byte value="xd"/>Essayez-en une autre</translation>
    </message>
    <message>
        <source>Congratulations<byte value="xd"/>You have Solved it<byte value="xd"/><byte value="xd"/>You are a Star ! ! !</source>
        <translation>Félicitations<byte value="xd"/>Vous l'avez résolu<byte value="xd"/><byte value="xd"/>Vous êtes une star !</translation>
    </message>
    <message>
        <source>Solved<byte value="xd"/><byte value="xd"/>Now you can enter a number and see if it is correct</source>
        <translation>Résolu<byte value="xd"/><byte value="xd"/>Vous pouvez maintenant taper un chiffre et voir s'il est juste</translation>
    </message>
    <message>
        <source>This one is not so simple<byte value="xd"/>Look at the possible numbers<byte value="xd"/>Work out a number thah must fit<byte value="xd"/>And Click Solved.<byte value="xd"/><byte value="xd"/>Do this until it is solved</source>
        <translation>Celui-ci n'est pas si simple<byte value="xd"/>Regardez les candidats<byte value="xd"/>Trouvez un chiffre qui doit convenir<byte value="xd"/>puis cliquez sur Résoudre.<byte value="xd"/><byte value="xd"/>Recommencez jusqu'à ce qu'il soit résolu</translation>
    </message>
    <message>
        <source>As it is solved, this can only show you all the correct numbers<byte value="xd"/>Click on See result to see the answer</source>
        <translation>Le sudoku étant résolu, cela ne montrerait que tous les bons chiffres<byte value="xd"/>Cliquez sur Voir la solution pour voir la réponse</translation>
    </message>
    <message>
        <source>As the puzzle has not been solved<byte value="xd"/>Click Show - Hide Possible numbers</source>
        <translation>Le sudoku n'étant pas résolu,<byte value="xd"/>cliquez sur Afficher - Masquer la grille des candidats</translation>
    </message>
    <message>
        <source>Correct these cells and ask for a hint again.</source>
        <translation>Corrigez ces cases et demandez de nouveau un indice.</translation>
    </message>
    <message>
        <source>A cell takes one digit, or nothing.</source>
        <translation>Une case prend un chiffre, ou rien.</translation>
    </message>
    <message>
        <source>A hint needs the digits 1 to 9 and open cells only.</source>
        <translation>Pour un indice, la grille ne doit contenir que des chiffres de 1 à 9 et des cases vides.</translation>
    </message>
    <message>
        <source>Cell %1, row %2, column %3</source>
        <translation>Case %1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Possible numbers, row %1, column %2</source>
        <translation>Candidats, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Get File</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>Show - Hide &amp;Possible Numbers Grid</source>
        <translation>Afficher - Masquer la grille des &amp;candidats</translation>
    </message>
    <message>
        <source>Show &amp;Result</source>
        <translation>Voir la &amp;solution</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help&amp;Info</source>
        <translation>&amp;Mode d'emploi</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Varnodel, by the Varnodel developers<byte value="xd"/>Copyright (c) 2026 the Varnodel developers, under the MIT licence<byte value="xd"/>E-mail: varnodel@example.org<byte value="xd"/>Web: https://example.org/varnodel</source>
        <translation>Varnodel, par les développeurs de Varnodel<byte value="xd"/>Copyright (c) 2026 les développeurs de Varnodel, sous licence MIT<byte value="xd"/>Courriel : varnodel@example.org<byte value="xd"/>Web : https://example.org/varnodel</translation>
    </message>
    <message>
        <source>Correct these cells and click Solve again.</source>
        <translation>Corrigez ces cases et cliquez de nouveau sur Résoudre.</translation>
    </message>
    <message>
        <source>Paste Puzzle</source>
        <translation>Coller le sudoku</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copier le sudoku</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list: %1 holds all items but the last, joined by &quot;, &quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>La case %1</translation>
    </message>
    <message>
        <source>Cells %1</source>
        <translation>Les cases %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>A unit inside a sentence: &quot;In row 3, ...&quot;, &quot;... is already in row 3&quot;.</extracomment>
        <translation>la ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la colonne %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>le bloc %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A unit at the start of a line: &quot;Row 3 holds 1, 4 and 7.&quot;</extracomment>
        <translation>La ligne %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>La colonne %1</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Le bloc %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <extracomment>Two to four rows or columns of an X-wing, swordfish or jellyfish: &quot;rows 2 and 7&quot;.</extracomment>
        <translation>les lignes %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>les colonnes %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <extracomment>What a step rules out: %1 one or more digits, %2 &quot;cell 19&quot; or &quot;cells 19 and 25&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in %3 (%4): that rules out %5.</source>
        <extracomment>One step of a deduction. %1 a unit (&quot;row 3&quot;) or rows or columns (&quot;rows 2 and 7&quot;); %2 one or more digits; %3 a unit, rows or columns, or cells (&quot;cells 4 and 6&quot;); %4 the technique&apos;s name; %5 what it rules out (&quot;3 from cell 19, and 7 from cells 20 and 21&quot;). The naked sets read: in %1, cells %2 can only take digits %3.</extracomment>
        <translation>Dans %1, on ne peut placer %2 que dans %3 (%4) : cela écarte %5.</translation>
    </message>
    <message>
        <source>In %1, %2 can only take %3 (%4): that rules out %5.</source>
        <translation>Dans %1, %2 ne peuvent contenir que %3 (%4) : cela écarte %5.</translation>
    </message>
    <message>
        <source>%1 holds %2.</source>
        <extracomment>%1 a unit at the start of a line (&quot;Row 3&quot;), %2 one or more digits.</extracomment>
        <translation>%1 contient %2.</translation>
    </message>
    <message>
        <source>The steps above rule out %1.</source>
        <translation>Les étapes ci-dessus écartent %1.</translation>
    </message>
    <message>
        <source>That leaves only %1 for cell %2 (%3).</source>
        <translation>Il ne reste donc que le %1 pour la case %2 (%3).</translation>
    </message>
    <message>
        <source>In %1, %2 can only go in cell %3 (%4).</source>
        <extracomment>%1 a unit (&quot;box 1&quot;), %2 a digit, %3 a cell number, %4 the technique&apos;s name.</extracomment>
        <translation>Dans %1, le %2 ne peut aller qu'en case %3 (%4).</translation>
    </message>
    <message>
        <source>%1 (cell %2)</source>
        <extracomment>%1 a unit (&quot;row 3&quot;) that holds the digit, in cell %2.</extracomment>
        <translation>%1 (case %2)</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <extracomment>%1 a digit; %2 a list of units with their cells: &quot;row 3 (cell 23) and column 1 (cell 55)&quot;.</extracomment>
        <translation>Le %1 est déjà dans %2.</translation>
    </message>
    <message>
        <source>The steps above rule it out of %1.</source>
        <translation>Les étapes ci-dessus l'écartent %1.</translation>
    </message>
    <message>
        <source>Cell %1 is %2.</source>
        <translation>La case %1 est un %2.</translation>
    </message>
    <message>
        <source>%1 each hold %2 in %3.</source>
        <translation>%1 contiennent chacune un %2 dans %3.</translation>
    </message>
    <message numerus="yes">
        <source>And %n more.</source>
        <translation>
            <numerusform>Et %n autre.</numerusform>
            <numerusform>Et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some digits clash: a row, a column or a box holds a digit twice.</source>
        <translation>Des chiffres se contredisent : une ligne, une colonne ou un bloc contient deux fois le même chiffre.</translation>
    </message>
    <message>
        <source>Cell %1 can take no digit: its row, column and box hold every digit from 1 to 9 between them.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>Aucun chiffre ne convient à la case %1 : sa ligne, sa colonne et son bloc contiennent à eux trois tous les chiffres de 1 à 9.<byte value="xd"/>Un chiffre de la grille est faux.</translation>
    </message>
    <message>
        <source>In %1, %2 has no place left: every open cell there sees one already.<byte value="xd"/>Some digit in the grid is wrong.</source>
        <translation>Dans %1, le %2 n'a plus de place : chaque case vide en voit déjà un dans sa ligne, sa colonne ou son bloc.<byte value="xd"/>Un chiffre de la grille est faux.</translation>
    </message>
    <message>
        <source>Cell %1 does not fit the solution.</source>
        <translation>La case %1 ne correspond pas à la solution.</translation>
    </message>
    <message numerus="yes">
        <source>%1 do not fit it either.</source>
        <translation>
            <numerusform>%1 ne correspond pas non plus à la solution.</numerusform>
            <numerusform>%1 ne correspondent pas non plus à la solution.</numerusform>
        </translation>
    </message>
    <message>
        <source>reveal</source>
        <translation>révélation</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>singleton nu</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>singleton caché</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>candidats pointants</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>réduction ligne-bloc</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>paire nue</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>paire cachée</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>triplet nu</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>triplet caché</translation>
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
        <translation>quadruplet nu</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>quadruplet caché</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>The grid is empty.<byte value="xd"/>Type in the givens of a puzzle, or load one with Get File, and ask again.</source>
        <translation>La grille est vide.<byte value="xd"/>Tapez les chiffres donnés d'un sudoku, ou chargez-en un avec Ouvrir, puis redemandez un indice.</translation>
    </message>
    <message>
        <source>The givens allow no solution: some given is wrong.</source>
        <translation>Les chiffres donnés n'admettent aucune solution : l'un d'eux est faux.</translation>
    </message>
    <message>
        <source>The digits in the grid allow no solution: some digit is wrong.</source>
        <translation>Les chiffres de la grille n'admettent aucune solution : l'un d'eux est faux.</translation>
    </message>
    <message>
        <source>The givens allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Les chiffres donnés admettent plusieurs solutions : il en manque un, ou l'un d'eux est faux.<byte value="xd"/>Un indice demande un sudoku à solution unique.</translation>
    </message>
    <message>
        <source>The digits in the grid allow more than one solution: a given is missing or wrong.<byte value="xd"/>A hint needs a puzzle with exactly one solution.</source>
        <translation>Les chiffres de la grille admettent plusieurs solutions : un chiffre donné manque ou est faux.<byte value="xd"/>Un indice demande un sudoku à solution unique.</translation>
    </message>
    <message>
        <source>Every cell is filled, and every digit fits the solution.</source>
        <translation>Toutes les cases sont remplies, et chaque chiffre correspond à la solution.</translation>
    </message>
    <message>
        <source>No technique Varnodel knows decides a cell here.<byte value="xd"/>Revealed from the solution, not worked out: cell %1 is %2.</source>
        <translation>Aucune technique connue de Varnodel ne permet ici de trouver une case.<byte value="xd"/>Tiré de la solution, sans déduction : la case %1 est un %2.</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>subject</comment>
        <translation>la case %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>subject</comment>
        <translation>les cases %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after in</comment>
        <translation>la case %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after in</comment>
        <translation>les cases %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <comment>after from or out of</comment>
        <translation>de la case %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <comment>after from or out of</comment>
        <translation>des cases %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message numerus="yes">
        <source>It holds %Ln puzzles. Choose the one to load:</source>
        <translation>
            <numerusform>Il contient %Ln sudoku. Choisissez celui à charger :</numerusform>
            <numerusform>Il contient %Ln sudokus. Choisissez celui à charger :</numerusform>
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
        <translation>Mode d'emploi</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l'aide</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>There was a problem with the help file<byte value="xd"/>Please tell the Varnodel developers: varnodel@example.org</source>
        <translation>Il y a eu un problème avec le fichier d'aide<byte value="xd"/>Merci de le signaler aux développeurs de Varnodel : varnodel@example.org</translation>
    </message>
    <message>
        <source>That is the end of the help file</source>
        <translation>C'est la fin de l'aide</translation>
    </message>
</context>
</TS>
