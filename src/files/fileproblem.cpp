#include "fileproblem.h"

#include <sys/stat.h>

FileProblem FileProblem::failed(Kind kind, int error)
{
    FileProblem problem;
    problem.kind = kind;
    problem.error = error;
    return problem;
}

FileProblem FileProblem::notRegular(mode_t mode)
{
    FileProblem problem;
    problem.kind = NotRegular;
    problem.type = S_ISDIR(mode) ? Folder
        : S_ISFIFO(mode)         ? Fifo
        : S_ISCHR(mode)          ? CharacterDevice
        : S_ISBLK(mode)          ? BlockDevice
        : S_ISSOCK(mode)         ? Socket
                                 : OtherType;
    return problem;
}

FileProblem FileProblem::waited(Kind kind, int milliseconds)
{
    FileProblem problem;
    problem.kind = kind;
    problem.seconds = milliseconds / 1000;
    return problem;
}
