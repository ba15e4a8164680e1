#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Reading a file for Get File without ever freezing the window: a FIFO without a writer,
// a terminal or a file on a stalled file system must not hold the window up.
namespace FileRead {

struct Result
{
    QByteArray bytes; // the whole file, when it could be read
    QString problem; // why not, otherwise
};

// How long the window waits for a file before it gives up on it.
constexpr int MaxWaitMs = 2000;

// Reads the whole of a regular file of at most maxSize bytes; anything else (a folder, a
// FIFO, a device, a socket) is refused unread. The file is opened and read on a thread
// of its own while the window goes on repainting, but takes no input; after MaxWaitMs
// the window gives up on the file and leaves the thread to finish whenever it can.
Result readRegularFile(const QString &fileName, qint64 maxSize);

// Test seam: when set, the reading thread runs it before it touches the file, to stand
// for a file that does not answer.
inline std::function<void()> stallHook;

} // namespace FileRead
