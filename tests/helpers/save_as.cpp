// Runs Save File as another user, as the tests themselves run as root:
//   save_as <uid> <gid> <file>
// saves the solved simple puzzle to <file>, and prints the folder the save dialog was
// opened in and every message shown.
#include "files/commondialog.h"
#include "support.h"

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 4 || setgroups(0, nullptr) != 0 || setgid(gid_t(std::atoi(argv[2]))) != 0
        || setuid(uid_t(std::atoi(argv[1]))) != 0)
        return 2;
    QApplication app(argc, argv);
    Form1 form;
    form.msgBoxHook = [](const QString &text) { std::printf("message %s\n", qPrintable(text)); };
    const QString fileName = QString::fromLocal8Bit(argv[3]);
    form.CommonDialog1->answer = [&](CommonDialog::Mode, const QString &folder) {
        std::printf("folder %s\n", qPrintable(folder));
        return fileName;
    };
    setGrid(form, simpleSolution);
    form.cmdSave_Click();
    return 0;
}
