#include "form1.h"
#include "state/colours.h"

#include <QLineEdit>

// Empties the grid for a new puzzle. The candidate boxes keep their texts and visibility.
void Form1::cmdClear_Click()
{
    for (CellNo = 0; CellNo <= 80; ++CellNo) {
        setBackColor(Row1[CellNo], Colour::White);
        Row1[CellNo]->setText(QString());
        CellValue[CellNo + 1] = Value();
    }
    for (CellNo = 1; CellNo <= 81; ++CellNo)
        for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
            Candidate[CellNo][DigitNo] = Value();
    Solved = 0;
}
