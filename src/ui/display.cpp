#include "form1.h"
#include "state/colours.h"

#include <QLineEdit>

// Shows or hides all the candidate boxes together, following the top-left one.
// Once the puzzle is solved the candidates are of no more use, so it only explains.
void Form1::cmdShowGrid_Click()
{
    if (Solved) {
        MsgBox(tr("As it is solved, this can only show you all the correct numbers\r"
                  "Click on See result to see the answer"));
        return;
    }
    const bool show = txtNos[0]->isHidden();
    if (show)
        fitCandidateFont();
    for (CellNo = 0; CellNo <= 80; ++CellNo)
        txtNos[CellNo]->setVisible(show);
}

// Writes the solution into every box that is not a given and marks it right.
void Form1::cmdShowResult_Click()
{
    if (!Solved) {
        MsgBox(tr("As the puzzle has not been solved\r"
                  "Click Show - Hide Possible numbers"));
        return;
    }
    const int paleGreen = colourFromText(QLatin1String(Colour::PaleGreenText));
    for (CellNo = 0; CellNo <= 80; ++CellNo) {
        if (backColor(Row1[CellNo]) == Colour::Yellow)
            continue;
        Row1[CellNo]->setText(CellValue[CellNo + 1].toText());
        setBackColor(Row1[CellNo], paleGreen);
    }
}
