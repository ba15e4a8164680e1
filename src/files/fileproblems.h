#pragma once

#include <QString>
#include <sys/types.h>

// The words the file commands use for what went wrong with a file.
namespace FileProblems {

// The system's own words for an error number, such as "No space left on device".
QString systemReason(int error);

// "It could not be <done>: <reason>", for an error number met while doing it.
QString couldNot(const char *done, int error);

// Why something that is not a regular file cannot be a puzzle file, given its mode.
QString notARegularFile(mode_t mode);

} // namespace FileProblems
