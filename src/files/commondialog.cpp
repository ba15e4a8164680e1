#include "commondialog.h"
#include "fileread.h"
#include "nameonlyicons.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QWidget>
#include <sys/stat.h>

namespace {

// Qt's dialog looks the chosen name up (is it there, is it a folder) on the window's
// thread when it is accepted, and a file system that never answers would freeze the
// window there for good. This one looks the name up on a thread of its own first: a name
// that answers goes on to Qt's own checks, which then answer at once; one that does not
// answer within the time a load waits closes the dialog, taken as it is.
class FileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    QString unanswered; // the chosen name, when it did not answer

    void accept() override
    {
        const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QString name = edit ? edit->text() : QString();
        if (name == u'~' || name.startsWith(QLatin1String("~/")))
            name.replace(0, 1, QDir::homePath());
        else if (!name.isEmpty() && !name.startsWith(u'/'))
            name.prepend(directory().absolutePath() + u'/');
        if (!name.isEmpty()
            && !FileRead::answerWithin<bool>(FileRead::MaxWaitMs, [path = QFile::encodeName(name)] {
                   struct stat info = {};
                   return ::stat(path.constData(), &info) == 0;
               })) {
            unanswered = QDir::cleanPath(name);
            done(Accepted);
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

CommonDialog::CommonDialog(QWidget *owner)
    : QObject(owner), m_owner(owner), m_icons(std::make_unique<NameOnlyIcons>())
{
    // Qt's dialog keeps the folders it visited in a settings file of its own. Varnodel
    // keeps no settings: that file goes where none can be made (the program itself
    // uses no other).
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

CommonDialog::~CommonDialog() = default;

bool CommonDialog::ShowOpen()
{
    return show(Open);
}

bool CommonDialog::ShowSave()
{
    return show(Save);
}

bool CommonDialog::show(Mode mode)
{
    QString chosen;
    bool noAnswer = false;
    if (answer) {
        chosen = answer(mode, InitDir);
    } else {
        FileDialog dialog(m_owner, QString(), InitDir);
        // Qt's own dialog, whatever the desktop, so that it takes the icons below; the
        // system's own dialogs may read files to choose theirs.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setIconProvider(m_icons.get());
        dialog.setAcceptMode(mode == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(mode == Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!FileName.isEmpty())
            dialog.selectFile(QFileInfo(FileName).fileName());
        // Asking Qt's dialog for the name would look it up again.
        noAnswer = dialog.exec() == QDialog::Accepted && !dialog.unanswered.isEmpty();
        if (noAnswer)
            chosen = dialog.unanswered;
        else if (dialog.result() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    NoAnswer = noAnswer;
    return true;
}
