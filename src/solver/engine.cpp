#include "ui/form1.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

// Within a 3x3 box, the cells that share neither the row nor the column of a cell.
// Position j of a cell is its number less the box's top-left cell, plus one.
struct BoxPosition
{
    int j;
    int offsets[4];
};

constexpr BoxPosition boxPositions[9] = {
    {1, {10, 11, 19, 20}},    {2, {8, 10, 17, 19}},      {3, {7, 8, 16, 17}},
    {10, {-8, -7, 10, 11}},   {11, {-10, -8, 8, 10}},    {12, {-11, -10, 7, 8}},
    {19, {-16, -17, -7, -8}}, {20, {-19, -17, -8, -10}}, {21, {-20, -19, -10, -11}},
};

// The engine lets the window repaint and run waiting commands between its steps.
void yield()
{
    QCoreApplication::processEvents();
}

} // namespace

void Form1::clearCandidate(int cell, int digit)
{
    Candidate[cell][digit] = Value();
}

// A complete grid is the only solved grid: every cell holds 1 to 9 and no row, column
// or box repeats a digit. The row total alone can reach 405 with repeats and gaps.
bool Form1::solutionIsComplete() const
{
    std::array<int, 27> seen{};
    for (int cell = 1; cell <= 81; ++cell) {
        const int digit = CellValue[cell].toInt();
        if (CellValue[cell].isEmpty() || digit < 1)
            return false;
        const int row = (cell - 1) / 9;
        const int column = (cell - 1) % 9;
        const int box = 3 * (row / 3) + column / 3;
        const int bit = 1 << digit;
        for (int unit : {row, 9 + column, 18 + box}) {
            if (seen[unit] & bit)
                return false;
            seen[unit] |= bit;
        }
    }
    return true;
}

// One solving pass after another, until the puzzle is solved or a pass fills no cell.
// A pass rules out each filled cell's digit in the open cells of its row, column and
// box, then fills every cell that has one candidate left.
void Form1::GoAgain()
{
    for (;;) {
        // Rows
        for (RowBase = 0; RowBase <= 72; RowBase += 9)
            for (CellNo = 1; CellNo <= 9; ++CellNo)
                if (!CellValue[RowBase + CellNo].isEmpty())
                    for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
                        if (CellValue[RowBase + DigitNo].isEmpty())
                            clearCandidate(RowBase + DigitNo, CellValue[RowBase + CellNo].toInt());
        yield();

        // Columns
        for (CellNo = 1; CellNo <= 9; ++CellNo)
            for (RowBase = 0; RowBase <= 72; RowBase += 9)
                if (!CellValue[RowBase + CellNo].isEmpty())
                    for (DigitNo = 0; DigitNo <= 72; DigitNo += 9)
                        if (CellValue[CellNo + DigitNo].isEmpty())
                            clearCandidate(CellNo + DigitNo, CellValue[RowBase + CellNo].toInt());
        yield();

        // Boxes: the cells of a box that share a row or column were handled above.
        RowBase = 0;
        BoxCol = 0;
        for (RowBase = 0; RowBase <= 55; RowBase += 27) {
            for (BoxCol = 0; BoxCol <= 6; BoxCol += 3) {
                for (const BoxPosition &position : boxPositions) {
                    CellNo = position.j;
                    const int cell = RowBase + BoxCol + CellNo;
                    for (int offset : position.offsets) {
                        const Value &source = CellValue[cell + offset];
                        if (!source.isEmpty() && CellValue[cell].isEmpty())
                            clearCandidate(cell, source.toInt());
                    }
                }
            }
        }

        // Forced digits: a cell with one candidate left takes it. A filled cell is
        // rewritten with the value it already holds.
        for (CellNo = 1; CellNo <= 81; ++CellNo) {
            CandCount = 0;
            for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
                if (!Candidate[CellNo][DigitNo].isEmpty())
                    ++CandCount;
            if (CandCount == 1)
                for (DigitNo2 = 1; DigitNo2 <= 9; ++DigitNo2)
                    if (!Candidate[CellNo][DigitNo2].isEmpty())
                        CellValue[CellNo] = Candidate[CellNo][DigitNo2];
        }

        // Progress: only a rise in filled cells counts. A pass without one lists
        // every cell's remaining candidates for the player.
        FilledCount = 0;
        for (CellNo = 1; CellNo <= 81; ++CellNo)
            if (!CellValue[CellNo].isEmpty())
                ++FilledCount;
        if (FilledCount > LastFilled) {
            LastFilled = FilledCount;
        } else {
            for (CellNo = 1; CellNo <= 81; ++CellNo) {
                NosText.clear();
                for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
                    NosText += Candidate[CellNo][DigitNo].toText();
                txtNos[CellNo - 1]->setText(NosText);
                txtNos[CellNo - 1]->setCursorPosition(0);
            }
            PassState = 82;
        }
        yield();

        // Completion: the row sums are kept for their own sake; a solve counts as
        // solved only when the grid is complete and free of repeats.
        RowSum[0] = 0;
        for (CellNo = 0; CellNo <= 8; ++CellNo) {
            RowSum[CellNo + 1] = 0;
            for (DigitNo = 1; DigitNo <= 9; ++DigitNo)
                if (!CellValue[9 * CellNo + DigitNo].isEmpty())
                    RowSum[CellNo + 1] = static_cast<qint16>(CellValue[9 * CellNo + DigitNo].toInt()
                                                             + RowSum[CellNo + 1]);
            RowSum[0] = static_cast<qint16>(RowSum[CellNo + 1] + RowSum[0]);
        }

        if (RowSum[0] == 405 && solutionIsComplete()) {
            MsgBox(tr("Solved\r\rNow you can enter a number and see if it is correct"));
            Solved = -1;
            return;
        }
        if (PassState > 81) {
            cmdShowGrid_Click();
            MsgBox(tr("This one is not so simple\r"
                      "Look at the possible numbers\r"
                      "Work out a number thah must fit\r"
                      "And Click Solved.\r\r"
                      "Do this until it is solved"));
            return;
        }
    }
}
