#pragma once

#include <QString>
#include <QStringList>

namespace PuzzleFile {

// Why the box texts cannot be saved, or nothing when they can: a puzzle file carries
// back only what Get File takes, an empty box or one digit from 1 to 9, so every other box is
// named (at most nine, then how many more), and so is any box whose text would not read
// back as itself.
QString saveRefusal(const QStringList &texts);

} // namespace PuzzleFile
