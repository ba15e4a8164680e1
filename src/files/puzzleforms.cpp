#include "puzzleforms.h"

namespace PuzzleForms {

namespace {

bool isGiven(QChar c)
{
    return c >= u'1' && c <= u'9';
}

} // namespace

QString toLine(const QStringList &texts, QList<int> *refused)
{
    QString line;
    for (int index = 0; index < texts.size(); ++index) {
        const QString &text = texts.at(index);
        if (text.isEmpty())
            line += u'.';
        else if (text.size() == 1 && isGiven(text.at(0)))
            line += text;
        else
            refused->append(index);
    }
    return refused->isEmpty() ? line : QString();
}

} // namespace PuzzleForms
