#include "commondialog.h"
#include "fileread.h"
#include "nameonlyicons.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QWidget>
#include <limits>
#include <sys/stat.h>

// Qt's dialog looks names up on the window's thread: each name as it is typed (to pick it
// in the list and set the button) and the chosen one when it is accepted (is it there, is
// it a folder). A file system that never answers, such as a dead network mount, would
// freeze the window there for good. In this one typing only enables the button, and the
// chosen name is looked up on a thread of its own first: a name that answers goes on to
// Qt's own checks, which then answer at once; one that does not answer within the time a
// load waits closes the dialog, taken as it is.
class FileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;
    QString unanswered; // the chosen name, when it did not answer

    QLineEdit *nameEdit() const { return findChild<QLineEdit *>(QStringLiteral("fileNameEdit")); }

protected:
    void showEvent(QShowEvent *event) override
    {
        QLineEdit *edit = nameEdit();
        // Nor does it complete a typed path: the completer would list its folder, and a
        // folder that never answers holds up every later listing of Qt's dialog, and then
        // the window (it waits for the listing thread as the dialog is used again).
        if (edit)
            edit->setCompleter(nullptr);
        if (edit && disconnect(edit, &QLineEdit::textChanged, this, nullptr))
            connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) {
                // The button changes with the mode, so it is looked up each time.
                const auto *box = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                QPushButton *button = box
                    ? box->button(acceptMode() == AcceptOpen ? QDialogButtonBox::Open
                                                             : QDialogButtonBox::Save)
                    : nullptr;
                if (button)
                    button->setEnabled(!text.isEmpty());
            });
        QFileDialog::showEvent(event);
    }

    void accept() override
    {
        const QLineEdit *edit = nameEdit();
        QString name = edit ? edit->text() : QString();
        if (name == u'~' || name.startsWith(QLatin1String("~/")))
            name.replace(0, 1, QDir::homePath());
        else if (!name.isEmpty() && !name.startsWith(u'/'))
            name.prepend(directory().absolutePath() + u'/');
        if (!name.isEmpty()
            && !FileRead::answerWithin<bool>(
                FileRead::MaxWaitMs, [path = QFile::encodeName(name), stall = FileRead::stallHook] {
                    if (stall)
                        stall();
                    struct stat info = {};
                    return ::stat(path.constData(), &info) == 0;
                })) {
            unanswered = QDir::cleanPath(name);
            // Qt's dialog looks up whatever name it holds whenever its folder or mode
            // changes, as it will on the next use.
            nameEdit()->clear();
            done(Accepted);
            return;
        }
        QFileDialog::accept();
    }
};

CommonDialog::CommonDialog(QWidget *owner)
    : QObject(owner), m_owner(owner), m_icons(std::make_unique<NameOnlyIcons>())
{
    // Qt's dialog keeps the folders it visited in a settings file of its own. Varnodel
    // keeps no settings: that file goes where none can be made (the program itself
    // uses no other).
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

CommonDialog::~CommonDialog()
{
    delete m_dialog;
}

bool CommonDialog::ShowOpen()
{
    return show(Open);
}

bool CommonDialog::ShowSave()
{
    return show(Save);
}

qint64 CommonDialog::msecsSinceClosed() const
{
    return m_closed.isValid() ? m_closed.elapsed() : std::numeric_limits<qint64>::max();
}

bool CommonDialog::show(Mode mode)
{
    QString chosen;
    bool noAnswer = false;
    if (answer) {
        chosen = answer(mode, InitDir);
    } else {
        // One dialog for the window's life: closing Qt's for good waits until every folder
        // it began to list has answered, and a dead mount never does.
        if (!m_dialog) {
            m_dialog = new FileDialog(m_owner);
            // Qt's own dialog, whatever the desktop, so that it takes the icons below; the
            // system's own dialogs may read files to choose theirs.
            m_dialog->setOption(QFileDialog::DontUseNativeDialog);
            m_dialog->setIconProvider(m_icons.get());
        }
        FileDialog &dialog = *m_dialog;
        dialog.unanswered.clear();
        dialog.setDirectory(InitDir);
        dialog.setAcceptMode(mode == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(mode == Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!FileName.isEmpty())
            dialog.selectFile(QFileInfo(FileName).fileName());
        else if (dialog.nameEdit())
            dialog.nameEdit()->clear();
        // Asking Qt's dialog for the name would look it up again.
        noAnswer = dialog.exec() == QDialog::Accepted && !dialog.unanswered.isEmpty();
        m_closed.start();
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
