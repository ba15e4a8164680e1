#include "state/colours.h"
#include "ui/form1.h"

#include <QLineEdit>

// Takes the puzzle afresh from the box texts: every filled box is a given. A given keeps
// its digit as its text; an open cell starts with all nine digits as candidates.
void Form1::cmdSolve_Click()
{
    const QString refusal = unusableTexts();
    if (!refusal.isEmpty()) {
        MsgBox(refusal);
        return;
    }

    PassState = 1;
    LastFilled = 0;
    for (CellNo = 1; CellNo <= 81; ++CellNo) {
        const QString text = Row1[CellNo - 1]->text();
        CellValue[CellNo] = Value::fromText(text);
        if (!text.isEmpty()) {
            setBackColor(Row1[CellNo - 1], Colour::Yellow);
            for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
                Candidate[CellNo][DigitNo] = Value();
            Candidate[CellNo][CellValue[CellNo].toInt()] = CellValue[CellNo];
            ++LastFilled;
        } else {
            for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
                Candidate[CellNo][DigitNo] = Value::digit(DigitNo);
        }
    }
    GoAgain();
}
