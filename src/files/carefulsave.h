#pragma once

#include "fileproblem.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <mutex>

// Saving as a long-standing editor does: the file gets the new bytes and keeps
// everything else it is, and a failed save leaves the old bytes in place.
namespace CarefulSave {

// Test seam: when set, a save runs it before each of its steps, named: "start",
// "open in place", "write" (once writing has begun), "rename".
inline std::function<void(const char *step)> stepHook;

// What a save running on a thread of its own and the window waiting for it share. The
// save asks before each step that changes the file whether the window still waits; the
// window, giving up, learns whether such a step was under way. Either the step goes
// ahead and the window knows it, or the window gave up first and the step never starts.
class Watch
{
public:
    enum State { Untouched, Changing, Changed, GivenUp, GivenUpWhileChanging };

    // For the save: whether the window still waits for it.
    bool wanted() const;
    // For the save, around each step that changes the file: begin() returns false, and
    // the step must not start, once the window gave up; end() says whether it landed.
    bool begin();
    void end(bool landed);
    // For the window, on giving up: what the file is left to.
    State giveUp();

    // The test seam as it stood when the save began.
    const std::function<void(const char *step)> hook = stepHook;

private:
    mutable std::mutex m_mutex;
    State m_state = Untouched;
};

// Puts bytes into the named file. A symbolic link is followed and its target written.
// A missing file is created. An existing regular file keeps its mode (all twelve bits),
// owner, group, extended attributes, file capabilities and hard links: a new file is
// written beside it and renamed over it when that keeps them all; otherwise the file is
// written in place, after the bytes about to be overwritten are kept aside to be put back
// if the write fails. Anything but a regular file is refused and left alone, and so is a
// file that changes between its checks and its writing.
// Returns nothing on success, otherwise what went wrong.
FileProblem save(const QString &fileName, const QByteArray &bytes, Watch &watch);

// The file that a file of this name would be the unfinished new copy of, as an
// interrupted save leaves it (".NAME.XXXXXX" beside NAME), when NAME is there; otherwise
// nothing.
QByteArray leftoverOf(const QByteArray &path);

} // namespace CarefulSave
