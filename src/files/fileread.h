#pragma once

#include "fileproblem.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <future>
#include <optional>
#include <thread>

// Reading a file for Get File without ever freezing the window: a FIFO without a writer,
// a terminal or a file on a stalled file system must not hold the window up.
namespace FileRead {

struct Result
{
    QByteArray bytes; // the whole file, when it could be read
    FileProblem problem; // why not, otherwise
};

// How long the window waits for a file before it gives up on it.
constexpr int MaxWaitMs = 2000;

// Reads the whole of a regular file of at most maxSize bytes; anything else (a folder, a
// FIFO, a device, a socket) is refused unread. The file is opened and read on a thread
// of its own while the window goes on repainting, but takes no input; after MaxWaitMs
// the window gives up on the file and leaves the thread to finish whenever it can.
Result readRegularFile(const QString &fileName, qint64 maxSize);

// Why a file was given up on after MaxWaitMs.
FileProblem noAnswer();

// Test seam: when set, the reading thread (and the file dialogs' look-up) runs it before
// it touches the file, to stand for a file that does not answer.
inline std::function<void()> stallHook;

// Waits until done() holds or maxWaitMs have passed, the window repainting meanwhile but
// taking no input unless asked to; returns whether done() held.
bool waitUntil(const std::function<bool()> &done, int maxWaitMs, bool takeInput = false);

// Runs work on a thread of its own and waits for it at most maxWaitMs, as above. Returns
// its result, or nothing when it did not finish in time: the thread is then left to
// finish whenever the system answers it (or dropped when the program ends), so work must
// own everything it uses.
template<typename T>
std::optional<T> answerWithin(int maxWaitMs, std::function<T()> work, bool takeInput = false)
{
    std::packaged_task<T()> task(std::move(work));
    std::future<T> done = task.get_future();
    std::thread(std::move(task)).detach();
    // What answers at once, as nearly every file does, needs no event loop.
    if (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready
        && !waitUntil(
            [&done] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            maxWaitMs, takeInput))
        return std::nullopt;
    return done.get();
}

} // namespace FileRead
