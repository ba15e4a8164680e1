#include "frmhelp.h"
#include "ui/accessiblebox.h"
#include "ui/fittext.h"
#include "ui/language.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

frmHelp::frmHelp(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help Information"));
    setFixedSize(twips(10815), twips(7425));
    setModal(true);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipRect(600, 720, 9255, 5460));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setWeight(QFont::Bold);
    List1->setFont(font);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(tr("Help text"));

    cmdNext = new QPushButton(tr("&Next"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setGeometry(twipRect(600, 6720, 1455, 495));
    cmdNext->setAutoDefault(true); // Enter and Return press a focused button
    cmdQuit = new QPushButton(tr("E&xit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setGeometry(twipRect(2640, 6720, 1335, 495));
    cmdQuit->setAutoDefault(true);

    FitText::fitTogether({cmdNext, cmdQuit}, this->font());

    QWidget::setTabOrder(List1, cmdNext);
    QWidget::setTabOrder(cmdNext, cmdQuit);
    connect(cmdNext, &QPushButton::clicked, this, &frmHelp::cmdNext_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmHelp::cmdQuit_Click);
}

QString frmHelp::helpFilePath()
{
    const QString folder = QCoreApplication::applicationDirPath() + QDir::separator();
    const QString translated = folder + QStringLiteral("GrdHelp.%1.det").arg(Language::current());
    if (Language::current() != u"en" && QFileInfo::exists(translated))
        return translated;
    return folder + QStringLiteral("GrdHelp.det");
}

void frmHelp::showModally()
{
    Form_Load();
    List1->setFocus();
    exec();
}

// Reads the next page into the list; the lines read stay even when the file ends
// before the page does.
void frmHelp::showPage()
{
    QStringList rows;
    const HelpPager::Status status = m_pager.readPage(rows);
    List1->addItems(rows);
    // A screen reader reads the page, without the line that closes it, as the list's
    // description when the window opens on it, and hears a turned page at once.
    const QString page = rows.join(QLatin1Char(' ')).remove(QStringLiteral("******")).simplified();
    List1->setAccessibleDescription(page);
    if (isVisible())
        announce(this, page);
    if (status != HelpPager::PageRead)
        showProblem();
}

void frmHelp::showProblem()
{
    emit message(tr("There was a problem with the help file\r"
                    "Please tell the Varnodel developers: varnodel@example.org"),
                 this);
}

// Opens the help file and shows its first page. A missing file, or one that ends
// inside the page, shows the problem message; the window opens all the same.
void frmHelp::Form_Load()
{
    List1->clear();
    List1->setAccessibleDescription(QString());
    m_file.close();
    m_file.setFileName(filePath);
    // The English file keeps the single-byte text it has always had; translations are UTF-8.
    m_pager.setUtf8(QFileInfo(filePath).fileName() != u"GrdHelp.det");
    if (!m_file.open(QIODevice::ReadOnly)) {
        showProblem();
        return;
    }
    showPage();
}

// Shows the next page. With no file open, or with the whole file read, there is
// nothing more to show; a file that ends inside a page keeps the lines read and shows
// the problem message.
void frmHelp::cmdNext_Click()
{
    List1->clear();
    List1->setAccessibleDescription(QString());
    if (m_pager.atEnd()) {
        emit message(tr("That is the end of the help file"), this);
        return;
    }
    showPage();
}

void frmHelp::cmdQuit_Click()
{
    reject();
}

void frmHelp::Form_Unload()
{
    m_file.close();
}

// Every way of closing the window (Exit, the close box, Escape) unloads it.
void frmHelp::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}
