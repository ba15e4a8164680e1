#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class FileDialog;
class NameOnlyIcons;

// The file dialog the window keeps for Get File and Save File: an initial folder, the
// system's open and save dialogs, and the file name chosen last, kept between uses.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    enum Mode { Open, Save };

    explicit CommonDialog(QWidget *owner);
    ~CommonDialog() override;

    QString InitDir;
    QString FileName;
    // Whether the chosen file did not answer when the dialog looked it up (a dead network
    // mount): it was then taken unchecked, and the command gives up on it.
    bool NoAnswer = false;

    // Each returns false when the player cancels; FileName then stays as it was.
    bool ShowOpen();
    bool ShowSave();

    // How long ago a dialog shown by the window last closed; very long when none has.
    qint64 msecsSinceClosed() const;

    // Test seam: when set, it answers in place of a real dialog, returning the chosen
    // name or an empty text for a cancel.
    std::function<QString(Mode mode, const QString &initialDir)> answer;

private:
    bool show(Mode mode);
    QWidget *m_owner;
    std::unique_ptr<NameOnlyIcons> m_icons; // outlives the dialog that uses it
    QPointer<FileDialog> m_dialog; // made at first use
    QElapsedTimer m_closed;
};
