#pragma once

#include <QList>
#include <QStringList>

namespace PuzzleFile {

// The boxes whose texts cannot be saved, as cell numbers 1 to 81, or none when all can:
// a puzzle file carries back only what Get File takes, an empty box or one digit from
// 1 to 9, so every other box is named, and so is any box whose text would not read
// back as itself.
QList<int> saveRefusal(const QStringList &texts);

} // namespace PuzzleFile
