#include "form1.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>

// The load step: the player first sees the puzzle grid alone; the candidate grid
// appears only through Show - Hide Possible Numbers Grid.
void Form1::Form_Load()
{
    for (CellNo = 0; CellNo <= 80; ++CellNo)
        txtNos[CellNo]->setVisible(false);
}

void Form1::cmdQuit_Click()
{
    endProgram();
}

// The close box ends the program just as Quit does: nothing is asked, nothing is saved.
void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

// Quit ends the program at once, even from inside a running solve: no message box
// may follow and no window may stay behind. No file is ever held open across a
// command, so there is nothing to close first.
void Form1::endProgram()
{
    if (quitHook) {
        quitHook();
        return;
    }
    hide();
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
