#pragma once

#include "state/value.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class CommonDialog;
class frmHelp;
namespace PuzzleText {
struct Reading;
}

// The main window. It owns the puzzle, its controls and every command; the members
// below are defined across the source folders, one concern to a file.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Controls: the puzzle grid, the candidate grid and the headings, addressed by index.
    std::array<QLineEdit *, 81> Row1{};
    std::array<QLineEdit *, 81> txtNos{};
    std::array<QLabel *, 17> Label1{};
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdGet = nullptr;
    QPushButton *cmdSolve = nullptr;
    QPushButton *cmdShowGrid = nullptr;
    QPushButton *cmdShowResult = nullptr;
    QPushButton *cmdQuit = nullptr;
    QPushButton *cmdClear = nullptr;
    QMenu *Help = nullptr;
    QAction *Info = nullptr;
    QAction *About = nullptr;
    QAction *Hint = nullptr;
    CommonDialog *CommonDialog1 = nullptr;

    // The puzzle state. Cells are numbered 1 to 81; index 0 of each table is unused.
    std::array<Value, 82> CellValue{};
    std::array<std::array<Value, 10>, 82> Candidate{};
    qint16 Solved = 0; // 0 false, -1 true
    int PassState = 0;
    int LastFilled = 0;
    int FilledCount = 0;
    int CandCount = 0;
    std::array<qint16, 10> RowSum{};
    QString NosText;

    // Loop counters shared by every command; each keeps where its last loop stopped.
    int CellNo = 0;
    int DigitNo = 0;
    int DigitNo2 = 0;
    int RowBase = 0;
    int BoxCol = 0;

    // Start-up and quit
    void Form_Load();
    void cmdQuit_Click();

    // Solving
    void cmdSolve_Click();
    void GoAgain();

    // Display commands and Clear
    void cmdShowGrid_Click();
    void cmdShowResult_Click();
    void cmdClear_Click();

    // Play
    void Row1_KeyPress(int index, int keyAscii);
    void Check_Corr();

    // Puzzle files
    void cmdGet_Click();
    void cmdSave_Click();
    // Get File without its dialog: reads, checks and loads the named file, then solves.
    void loadPuzzleFile(const QString &fileName);

    // The clipboard and drag and drop: a puzzle comes in as text or as a dropped file.
    // Ctrl+Shift+V loads the clipboard's puzzle as Get File loads a file's.
    void pastePuzzle();
    void copyPuzzle();

    // Help menu
    void Info_Click();
    void About_Click();
    void Hint_Click();

    // Every message of the program: modal, OK only, no icon, titled "Varnodel".
    // A message raised from another window is shown over that window.
    void MsgBox(const QString &text, QWidget *over = nullptr);

    // Test seams: when set, messages go here instead of a real box, and Quit calls this
    // instead of ending the process.
    std::function<void(const QString &)> msgBoxHook;
    std::function<void()> quitHook;
    // Test seam: when set, it answers the chooser of a collection in place of the real
    // one, given the puzzles' labels: the index chosen, or -1 for a cancel.
    std::function<int(const QStringList &)> chooserHook;

    frmHelp *helpWindow() const { return m_help; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createTransfer();
    void fitFonts();
    void fitCandidateFont();
    void setTabOrder();
    void endProgram();
    // Keyboard and assistive technology: set up once the controls exist.
    void setUpKeyboard();
    void setUpAccessibility();
    bool moveFocus(const std::array<QLineEdit *, 81> &grid, int index, int key);
    bool moveInCandidateGrid(QObject *watched, int key);
    void clearCandidate(int cell, int digit);
    bool solutionIsComplete() const;
    QString unusableTexts() const;
    void loadPuzzle(const PuzzleText::Reading &reading);

    frmHelp *m_help = nullptr;
    int m_lastBox = 0; // the puzzle box that last had the focus
    bool m_loading = false; // a file is being read or filled into the grid
    bool m_candidateFontFitted = false;
    bool m_saving = false; // a save is waiting for its file
};

// The title of every window and message box.
inline constexpr char AppTitle[] = "Varnodel";
