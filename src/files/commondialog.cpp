#include "commondialog.h"
#include "nameonlyicons.h"

#include <QFileDialog>
#include <QSettings>
#include <QWidget>

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
    if (answer) {
        chosen = answer(mode, InitDir);
    } else {
        QFileDialog dialog(m_owner, QString(), InitDir);
        // Qt's own dialog, whatever the desktop, so that it takes the icons below; the
        // system's own dialogs may read files to choose theirs.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setIconProvider(m_icons.get());
        dialog.setAcceptMode(mode == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(mode == Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!FileName.isEmpty())
            dialog.selectFile(QFileInfo(FileName).fileName());
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}
