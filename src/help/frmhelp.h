#pragma once

#include "helppager.h"

#include <QDialog>
#include <QFile>

class QListWidget;
class QPushButton;

// The help window: the help file, a page at a time. It holds the file open from its
// load to its unload and keeps no page count; the file's read position is the place.
class frmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget *owner);

    QListWidget *List1 = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdQuit = nullptr;

    // Loads the window (opening the file, showing the first page) and shows it modally;
    // returns once it is closed.
    void showModally();

    void Form_Load();
    void cmdNext_Click();
    void cmdQuit_Click();
    void Form_Unload();

    bool isFileOpen() const { return m_file.isOpen(); }
    // The help file beside the executable, in the language the program speaks where
    // there is one (GrdHelp.de.det, in UTF-8), otherwise in English (GrdHelp.det); tests
    // may point the window elsewhere.
    static QString helpFilePath();
    QString filePath = helpFilePath();

    void done(int result) override;

signals:
    // A message for the player, to be shown over this window.
    void message(const QString &text, QWidget *over);

private:
    void showPage();
    void showProblem();

    QFile m_file;
    HelpPager m_pager{&m_file};
};
