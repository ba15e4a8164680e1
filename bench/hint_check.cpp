// Plays every puzzle of a corpus by hints alone: from the givens, ask for a hint, type
// the digit it names, and again until the grid is full. Every hinted digit must be the
// solution's, and every puzzle that QQWing solves without guessing must be finished with
// no reveal. Prints the puzzles by QQWing's rating, the hints by technique, and the time
// one hint takes; exits with 1 on any fault.
//   hint_check [CORPUS...]   (a line a puzzle: 81 characters, '.' or '0' for an open cell)
#include "solver/hint.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <map>
#include <qqwing.hpp>
#include <vector>

int main(int argc, char *argv[])
{
    QStringList corpora;
    for (int i = 1; i < argc; ++i)
        corpora << QString::fromLocal8Bit(argv[i]);
    if (corpora.isEmpty())
        corpora << QStringLiteral(VARNODEL_BENCH_DATA "/puzzles-3000.txt");

    struct Rating
    {
        int puzzles = 0, noGuess = 0, byHints = 0, withReveal = 0, hints = 0, reveals = 0;
    };
    std::map<int, Rating> ratings;
    std::map<Hints::Technique, long> techniques;
    std::vector<double> micros;
    std::vector<double> firstMicros; // the first hint of a puzzle, which solves it too
    long hints = 0;
    int faults = 0;
    QElapsedTimer clock;

    for (const QString &name : corpora) {
        QFile corpus(name);
        if (!corpus.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            return 2;
        }
        int line = 0;
        while (!corpus.atEnd()) {
            const QByteArray text = corpus.readLine().trimmed();
            ++line;
            if (text.size() < 81)
                continue;
            std::array<int, 81> grid{};
            std::array<bool, 81> givens{};
            for (int c = 0; c < 81; ++c) {
                grid[c] = text.at(c) >= '1' && text.at(c) <= '9' ? text.at(c) - '0' : 0;
                givens[c] = grid[c] != 0;
            }
            qqwing::SudokuBoard board;
            board.setRecordHistory(true);
            if (!board.setPuzzle(grid.data()) || !board.solve()) {
                std::printf("%s:%d: QQWing finds no solution\n", qPrintable(name), line);
                ++faults;
                continue;
            }
            const std::vector<int> solution(board.getSolution(), board.getSolution() + 81);
            Rating &rating = ratings[board.getDifficulty()];
            const bool noGuess = board.getGuessCount() == 0;
            ++rating.puzzles;
            rating.noGuess += noGuess ? 1 : 0;
            int reveals = 0;
            const std::array<int, 81> start = grid;
            for (;;) {
                clock.start();
                const Hints::Answer a = Hints::find(grid, givens);
                micros.push_back(clock.nsecsElapsed() / 1e3);
                if (grid == start)
                    firstMicros.push_back(micros.back());
                if (a.kind == Hints::Kind::Full)
                    break;
                if (a.kind != Hints::Kind::Deduction && a.kind != Hints::Kind::Reveal) {
                    std::printf("%s:%d: unexpected answer: %s\n", qPrintable(name), line,
                                qPrintable(a.text));
                    ++faults;
                    break;
                }
                if (a.digit != solution[size_t(a.cell - 1)]) {
                    std::printf("%s:%d: cell %d hinted %d, solution %d\n%s\n", qPrintable(name),
                                line, a.cell, a.digit, solution[size_t(a.cell - 1)],
                                qPrintable(a.text));
                    ++faults;
                    break;
                }
                ++hints;
                ++rating.hints;
                ++techniques[a.hardest];
                reveals += a.kind == Hints::Kind::Reveal ? 1 : 0;
                grid[size_t(a.cell - 1)] = a.digit;
            }
            rating.reveals += reveals;
            (reveals ? rating.withReveal : rating.byHints) += 1;
            if (noGuess && reveals) {
                std::printf("%s:%d: needs no guessing, but took %d reveals\n", qPrintable(name),
                            line, reveals);
                ++faults;
            }
        }
    }

    const char *names[] = {"unknown", "simple", "easy", "intermediate", "expert"};
    std::printf("%-13s %7s %9s %9s %11s %7s %7s\n", "rating", "puzzles", "no guess", "by hints",
                "with reveal", "hints", "reveals");
    for (const auto &[difficulty, r] : ratings)
        std::printf("%-13s %7d %9d %9d %11d %7d %7d\n", names[difficulty], r.puzzles, r.noGuess,
                    r.byHints, r.withReveal, r.hints, r.reveals);
    std::printf("hints by the hardest technique they use (%ld hints):\n", hints);
    for (const auto &[technique, n] : techniques)
        std::printf("  %-14s %7ld  %5.1f%%\n", qPrintable(Hints::techniqueName(technique)), n,
                    100.0 * double(n) / double(hints));
    const auto report = [](const char *what, std::vector<double> &us) {
        std::sort(us.begin(), us.end());
        const auto at
            = [&](double p) { return us[std::min(us.size() - 1, size_t(p * double(us.size())))]; };
        std::printf("%-18s n=%zu  median %.0f us  p99 %.0f us  max %.0f us\n", what, us.size(),
                    at(0.5), at(0.99), us.back());
    };
    report("every hint", micros);
    report("a puzzle's first", firstMicros);
    std::printf("%d faults\n", faults);
    return faults ? 1 : 0;
}
