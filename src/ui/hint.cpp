#include "solver/hint.h"
#include "celllist.h"
#include "form1.h"
#include "state/colours.h"

#include <QLineEdit>

// Help > Hint: reads the boxes as they stand (a yellow box is a given, any other digit
// the player's own) and tells the next digit and why, or what is wrong with the grid.
// It changes nothing but the focus, which goes to the cell the answer is about.
void Form1::Hint_Click()
{
    QStringList texts;
    for (const QLineEdit *box : Row1)
        texts << box->text();
    // Solve takes a 0 as a given; the hint has no use for a digit no Sudoku holds.
    QStringList zeros;
    for (int index = 0; index <= 80; ++index)
        if (texts.at(index) == QLatin1String("0"))
            zeros << CellList::cellLine(index + 1, texts.at(index));
    const QString advice = tr("Correct these cells and ask for a hint again.");
    QString refusal = CellList::refusal(tr("A cell takes one digit, or nothing."),
                                        CellList::unusableCells(texts), advice);
    if (refusal.isEmpty())
        refusal = CellList::refusal(tr("A hint needs the digits 1 to 9 and open cells only."),
                                    zeros, advice);
    if (!refusal.isEmpty()) {
        MsgBox(refusal);
        return;
    }

    std::array<int, 81> grid{};
    std::array<bool, 81> givens{};
    for (int index = 0; index <= 80; ++index) {
        grid[index] = texts.at(index).isEmpty() ? 0 : texts.at(index).toInt();
        givens[index] = backColor(Row1[index]) == Colour::Yellow;
    }
    const Hints::Answer answer = Hints::find(grid, givens);
    MsgBox(answer.text);
    if (answer.cell > 0)
        Row1[answer.cell - 1]->setFocus(Qt::OtherFocusReason);
}
