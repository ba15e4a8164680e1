// Solve and Get File, timed in the real window on the offscreen platform. For each
// puzzle of the corpus: Clear, type the puzzle into the boxes, press Solve; the time runs
// from the click to the outcome message. Then Get File of one puzzle file, from the
// click to the end of its Solve. And Help > Hint on each puzzle once it is solved or
// stalled, from the click to its message: the first time (which solves the givens
// again) and a second time.
//   solve_bench [CORPUS]     (one 81-character line a puzzle, '.' for an open cell)
#include "files/commondialog.h"
#include "ui/form1.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

static double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size())));
    return values[index];
}

static void report(const char *what, const std::vector<double> &ms)
{
    std::printf("%-10s n=%zu  median %.3f ms  p99 %.3f ms  max %.3f ms\n", what, ms.size(),
                percentile(ms, 0.5), percentile(ms, 0.99), *std::max_element(ms.begin(), ms.end()));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString corpusName = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                        : QStringLiteral(VARNODEL_BENCH_DATA "/puzzles-3000.txt");
    QFile corpus(corpusName);
    if (!corpus.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(corpusName));
        return 2;
    }
    QStringList puzzles;
    while (!corpus.atEnd()) {
        const QString line = QString::fromLatin1(corpus.readLine()).trimmed();
        if (line.size() == 81)
            puzzles << line;
    }

    Form1 form;
    form.show();
    QElapsedTimer clock;
    double lastMs = 0;
    int solvedCount = 0;
    form.msgBoxHook = [&](const QString &text) {
        lastMs = clock.nsecsElapsed() / 1e6;
        solvedCount += text.startsWith(QLatin1String("Solved")) ? 1 : 0;
    };
    // Each pass yields three times; the dispatcher wakes once for each.
    long wakes = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     [&] { ++wakes; });

    std::vector<double> solveMs;
    std::vector<double> hintMs;
    std::vector<double> hintAgainMs;
    QElapsedTimer total;
    total.start();
    double solvingMs = 0;
    double hintingMs = 0; // left out of the throughput
    for (const QString &puzzle : puzzles) {
        form.cmdClear->click();
        for (int i = 0; i < 81; ++i)
            form.Row1[i]->setText(puzzle.at(i) == u'.' ? QString() : QString(puzzle.at(i)));
        // A player's typing is painted as it happens, before any click on Solve.
        QCoreApplication::processEvents();
        clock.start();
        form.cmdSolve->click();
        solveMs.push_back(lastMs);
        solvingMs += lastMs;
        for (std::vector<double> *times : {&hintMs, &hintAgainMs}) {
            clock.start();
            form.Hint->trigger();
            times->push_back(lastMs);
            hintingMs += lastMs;
        }
    }
    const double wall = total.nsecsElapsed() / 1e6 - hintingMs;
    std::printf("corpus     %lld puzzles, %d solved, %d handed to the player\n",
                static_cast<long long>(puzzles.size()), solvedCount,
                int(puzzles.size()) - solvedCount);
    std::printf("throughput %.0f puzzles/s, %.0f passes/s (solving time only; %.0f puzzles/s "
                "with Clear and typing)\n",
                puzzles.size() / (solvingMs / 1000), wakes / 3.0 / (solvingMs / 1000),
                puzzles.size() / (wall / 1000));
    report("Solve", solveMs);
    report("Hint", hintMs);
    report("Hint again", hintAgainMs);

    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("puzzle.txt"));
    std::vector<double> getMs;
    form.CommonDialog1->answer = [&](CommonDialog::Mode, const QString &) { return fileName; };
    for (int n = 0; n < 200; ++n) {
        QFile file(fileName);
        file.open(QIODevice::WriteOnly);
        for (QChar c : puzzles.at(n * 7 % puzzles.size()))
            file.write(c == u'.' ? "\r\n" : QByteArray(1, char(c.unicode())) + "\r\n");
        file.close();
        QCoreApplication::processEvents();
        clock.start();
        form.cmdGet->click();
        getMs.push_back(lastMs);
    }
    report("Get File", getMs);
    return 0;
}
