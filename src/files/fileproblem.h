#pragma once

#include <QString>
#include <sys/types.h>

// What went wrong with a file, as the file commands found it. The window words it; the
// kind says which of its sentences, the other members fill it in.
struct FileProblem
{
    enum Kind {
        None,
        NoSuchFile,
        CouldNotOpen, // error
        CouldNotRead, // error
        CouldNotCreate, // error
        CouldNotWrite, // error
        OldBytesLost, // error: the write failed, and its old bytes could not all be put back
        NotRegular, // type
        TooLarge,
        Leftover, // name: the file whose interrupted save left this one behind
        NoAnswer, // seconds: a load given up
        NotSavedInTime, // seconds: a save given up before it changed the file
        StoppedWhileWriting, // seconds: a save given up while it was changing the file
        ReplacedMeanwhile,
        SetIdBits,
        Capabilities,
        CapabilitiesNotSet, // error: saved, but its capabilities are gone
        PermissionsChanged, // oldMode, newMode: saved, but its mode is not what it was
    };
    // What a file that is not a regular one is.
    enum Type { Folder, Fifo, CharacterDevice, BlockDevice, Socket, OtherType };

    Kind kind = None;
    int error = 0; // the system's error number
    Type type = OtherType;
    int seconds = 0;
    uint oldMode = 0, newMode = 0; // the twelve mode bits
    QString name;

    bool isEmpty() const { return kind == None; }

    // A failure, with the system's error number where it has one.
    static FileProblem failed(Kind kind, int error = 0);
    // Anything but a regular file, by its mode.
    static FileProblem notRegular(mode_t mode);
    static FileProblem waited(Kind kind, int milliseconds);
};
