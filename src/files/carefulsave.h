#pragma once

#include <QByteArray>
#include <QString>

// Saving as a long-standing editor does: the file gets the new bytes and keeps
// everything else it is, and a failed save leaves the old bytes in place.
namespace CarefulSave {

// Puts bytes into the named file. A symbolic link is followed and its target written.
// A missing file is created. An existing regular file keeps its mode (all twelve bits),
// owner, group, extended attributes and hard links: a new file is written beside it and
// renamed over it when that keeps them all; otherwise the file is written in place,
// after the bytes about to be overwritten are kept aside to be put back if the write
// fails. Anything but a regular file is refused and left alone.
// Returns nothing on success, otherwise what went wrong, in words.
QString save(const QString &fileName, const QByteArray &bytes);

} // namespace CarefulSave
