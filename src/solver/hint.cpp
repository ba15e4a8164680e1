#include "hint.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtAlgorithms>
#include <algorithm>
#include <qqwing.hpp>
#include <utility>
#include <vector>

namespace Hints {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Hints)
};

// Candidates as bits 1 to 9 of a mask; positions in a unit as bits 0 to 8.
using Mask = quint16;
constexpr Mask AllDigits = 0x3FE;
constexpr int MaxNamed = 9; // the most clashes one message lists

Mask bit(int n)
{
    return Mask(1u << n);
}

// Bits set in a mask of up to ten bits, looked up: counting is most of the search.
int count(Mask m)
{
    static const auto counts = [] {
        std::array<quint8, 1024> table{};
        for (int i = 1; i < 1024; ++i)
            table[i] = quint8(table[i / 2] + (i & 1));
        return table;
    }();
    return counts[m & 1023];
}

// The 27 units (rows 0-8, columns 9-17, boxes 18-26) and the units of every cell. In a
// row the position of a cell is its column, in a column its row.
struct Table
{
    std::array<std::array<int, 9>, 27> cells{};
    std::array<std::array<int, 3>, 81> units{};
    Table()
    {
        std::array<int, 27> filled{};
        for (int c = 0; c < 81; ++c) {
            const int row = c / 9;
            const int column = c % 9;
            units[c] = {row, 9 + column, 18 + row / 3 * 3 + column / 3};
            for (int u : units[c])
                cells[u][filled[u]++] = c;
        }
    }
};

const Table &table()
{
    static const Table t;
    return t;
}

using CellDigit = std::pair<int, int>;

// One elimination: the pattern, the candidates whose absence makes it hold (premises),
// and the candidates it rules out.
struct Step
{
    Technique technique = Technique::None;
    std::vector<int> where; // the units the pattern lies in
    std::vector<int> onto; // the units, or cells for subsets, it narrows the digits to
    Mask digits = 0;
    std::vector<CellDigit> premises;
    std::vector<CellDigit> removals;
};

// The grid and what each open cell can still take. removedBy names the step that ruled a
// candidate out, or -1 for one that a digit in the cell's row, column or box rules out.
struct Board
{
    std::array<int, 81> digit{};
    std::array<Mask, 81> cand{};
    std::array<std::array<short, 10>, 81> removedBy{};

    explicit Board(const std::array<int, 81> &grid) : digit(grid)
    {
        for (auto &cell : removedBy)
            cell.fill(-1);
        for (int c = 0; c < 81; ++c) {
            if (digit[c])
                continue;
            Mask seen = 0;
            for (int u : table().units[c])
                seen |= placed(u);
            cand[c] = AllDigits & ~seen;
        }
    }
    Mask placed(int u) const
    {
        Mask m = 0;
        for (int c : table().cells[u])
            m |= digit[c] ? bit(digit[c]) : 0;
        return m;
    }
    // Bit i for the i-th cell of the unit that can take d.
    Mask positions(int u, int d) const
    {
        Mask m = 0;
        for (int i = 0; i < 9; ++i)
            m |= (cand[table().cells[u][i]] & bit(d)) ? bit(i) : 0;
        return m;
    }
    bool stepRemoved(int c, int d) const { return !digit[c] && removedBy[c][d] >= 0; }
    void place(int c, int d)
    {
        digit[c] = d;
        cand[c] = 0;
        for (int u : table().units[c])
            for (int peer : table().cells[u])
                cand[peer] &= ~bit(d);
    }
    // A digit that a unit still needs but none of its open cells can take: -1 for none,
    // else 10 * unit + digit.
    int missingPlace() const
    {
        for (int u = 0; u < 27; ++u) {
            const Mask placedHere = placed(u);
            for (int d = 1; d <= 9; ++d)
                if (!(placedHere & bit(d)) && !positions(u, d))
                    return 10 * u + d;
        }
        return -1;
    }
};

// The k-element subsets of the set bits of items, lowest first.
template<typename F> bool forSubsets(Mask items, int k, F f)
{
    static const auto bySize = [] {
        std::array<std::vector<Mask>, 10> lists;
        for (int m = 1; m < 512; ++m)
            lists[size_t(count(Mask(m)))].push_back(Mask(m));
        return lists;
    }();
    if (count(items) < k)
        return false;
    for (Mask m : bySize[size_t(k)])
        if ((m & ~items) == 0 && f(m))
            return true;
    return false;
}

bool lockedCandidates(const Board &b, Step &step, bool fromBox)
{
    const Table &t = table();
    const int first = fromBox ? 18 : 0;
    const int last = fromBox ? 27 : 18;
    for (int u = first; u < last; ++u) {
        for (int d = 1; d <= 9; ++d) {
            const Mask pos = b.positions(u, d);
            if (count(pos) < 2)
                continue;
            // The other unit that holds every place left for d in this one.
            for (int kind = 0; kind < 3; ++kind) {
                int shared = -1;
                for (int i = 0; i < 9; ++i) {
                    if (!(pos & bit(i)))
                        continue;
                    const int v = t.units[t.cells[u][i]][kind];
                    shared = (shared == -1 || shared == v) ? v : -2;
                }
                if (shared < 0 || shared == u || (fromBox ? shared >= 18 : shared < 18))
                    continue;
                step = Step{fromBox ? Technique::Pointing : Technique::Claiming,
                            {u},
                            {shared},
                            bit(d),
                            {},
                            {}};
                for (int c : t.cells[shared])
                    if (t.units[c][u / 9] != u && (b.cand[c] & bit(d)))
                        step.removals.push_back({c, d});
                for (int c : t.cells[u])
                    if (t.units[c][kind] != shared)
                        step.premises.push_back({c, d});
                if (!step.removals.empty())
                    return true;
            }
        }
    }
    return false;
}

bool nakedSubset(const Board &b, Step &step, int k, Technique technique)
{
    const Table &t = table();
    for (int u = 0; u < 27; ++u) {
        Mask small = 0;
        for (int i = 0; i < 9; ++i) {
            const int n = count(b.cand[t.cells[u][i]]);
            small |= (n >= 2 && n <= k) ? bit(i) : 0;
        }
        const bool found = forSubsets(small, k, [&](Mask chosen) {
            Mask digits = 0;
            for (int i = 0; i < 9; ++i)
                digits |= (chosen & bit(i)) ? b.cand[t.cells[u][i]] : 0;
            if (count(digits) != k)
                return false;
            step = Step{technique, {u}, {}, digits, {}, {}};
            for (int i = 0; i < 9; ++i) {
                const int c = t.cells[u][i];
                for (int d = 1; d <= 9; ++d) {
                    if (chosen & bit(i)) {
                        if (!(digits & bit(d)))
                            step.premises.push_back({c, d});
                    } else if (b.cand[c] & digits & bit(d)) {
                        step.removals.push_back({c, d});
                    }
                }
                if (chosen & bit(i))
                    step.onto.push_back(c);
            }
            return !step.removals.empty();
        });
        if (found)
            return true;
    }
    return false;
}

bool hiddenSubset(const Board &b, Step &step, int k, Technique technique)
{
    const Table &t = table();
    for (int u = 0; u < 27; ++u) {
        const Mask placed = b.placed(u);
        std::array<Mask, 10> pos{};
        Mask few = 0;
        for (int d = 1; d <= 9; ++d) {
            pos[d] = b.positions(u, d);
            few |= (!(placed & bit(d)) && count(pos[d]) >= 2 && count(pos[d]) <= k) ? bit(d) : 0;
        }
        const bool found = forSubsets(few, k, [&](Mask digits) {
            Mask cells = 0;
            for (int d = 1; d <= 9; ++d)
                cells |= (digits & bit(d)) ? pos[d] : 0;
            if (count(cells) != k)
                return false;
            step = Step{technique, {u}, {}, digits, {}, {}};
            for (int i = 0; i < 9; ++i) {
                const int c = t.cells[u][i];
                if (cells & bit(i))
                    step.onto.push_back(c);
                for (int d = 1; d <= 9; ++d) {
                    if ((cells & bit(i)) && (b.cand[c] & bit(d)) && !(digits & bit(d)))
                        step.removals.push_back({c, d});
                    else if (!(cells & bit(i)) && (digits & bit(d)))
                        step.premises.push_back({c, d});
                }
            }
            return !step.removals.empty();
        });
        if (found)
            return true;
    }
    return false;
}

// X-wing, swordfish, jellyfish: in k rows a digit can only go in the same k columns, so
// those columns take it nowhere else (or the same with rows and columns swapped).
bool fish(const Board &b, Step &step, int k, Technique technique)
{
    const Table &t = table();
    for (int base = 0; base < 18; base += 9) {
        const int cover = 9 - base;
        for (int d = 1; d <= 9; ++d) {
            std::array<Mask, 9> pos{};
            Mask lines = 0;
            for (int l = 0; l < 9; ++l) {
                pos[l] = b.positions(base + l, d);
                lines |= (count(pos[l]) >= 2 && count(pos[l]) <= k) ? bit(l) : 0;
            }
            const bool found = forSubsets(lines, k, [&](Mask chosen) {
                Mask across = 0;
                for (int l = 0; l < 9; ++l)
                    across |= (chosen & bit(l)) ? pos[l] : 0;
                if (count(across) != k)
                    return false;
                step = Step{technique, {}, {}, bit(d), {}, {}};
                for (int l = 0; l < 9; ++l) {
                    if (chosen & bit(l))
                        step.where.push_back(base + l);
                    if (across & bit(l))
                        step.onto.push_back(cover + l);
                    for (int i = 0; i < 9; ++i) {
                        const int c = t.cells[base + l][i];
                        if ((chosen & bit(l)) && !(across & bit(i)))
                            step.premises.push_back({c, d});
                        else if (!(chosen & bit(l)) && (across & bit(i)) && (b.cand[c] & bit(d)))
                            step.removals.push_back({c, d});
                    }
                }
                return !step.removals.empty();
            });
            if (found)
                return true;
        }
    }
    return false;
}

bool nextStep(const Board &b, Step &step)
{
    return lockedCandidates(b, step, true) || lockedCandidates(b, step, false)
        || nakedSubset(b, step, 2, Technique::NakedPair)
        || hiddenSubset(b, step, 2, Technique::HiddenPair)
        || nakedSubset(b, step, 3, Technique::NakedTriple)
        || hiddenSubset(b, step, 3, Technique::HiddenTriple) || fish(b, step, 2, Technique::XWing)
        || fish(b, step, 3, Technique::Swordfish) || nakedSubset(b, step, 4, Technique::NakedQuad)
        || hiddenSubset(b, step, 4, Technique::HiddenQuad)
        || fish(b, step, 4, Technique::Jellyfish);
}

struct Single
{
    Technique technique = Technique::None;
    int cell = -1;
    int digit = 0;
    int unit = -1; // where a hidden single is the only place
    std::vector<CellDigit> premises;
};

bool findSingle(const Board &b, Single &s)
{
    const Table &t = table();
    for (int c = 0; c < 81; ++c) {
        if (count(b.cand[c]) != 1)
            continue;
        s = Single{Technique::NakedSingle, c, int(qCountTrailingZeroBits(b.cand[c])), -1, {}};
        for (int d = 1; d <= 9; ++d)
            if (d != s.digit)
                s.premises.push_back({c, d});
        return true;
    }
    // Boxes first: a digit's last place in a box is the easiest to see.
    for (int n = 0; n < 27; ++n) {
        const int u = (n + 18) % 27;
        for (int d = 1; d <= 9; ++d) {
            const Mask pos = b.positions(u, d);
            if (count(pos) != 1)
                continue;
            s = Single{Technique::HiddenSingle, t.cells[u][qCountTrailingZeroBits(pos)], d, u, {}};
            for (int c : t.cells[u])
                if (c != s.cell)
                    s.premises.push_back({c, d});
            return true;
        }
    }
    return false;
}

// Words ------------------------------------------------------------------------------

QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.value(0);
    //: The end of a list: %1 holds all items but the last, joined by ", ".
    return Words::tr("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(Words::tr(", ")), items.constLast());
}

QString digitsText(Mask digits)
{
    QStringList items;
    for (int d = 1; d <= 9; ++d)
        if (digits & bit(d))
            items << QString::number(d);
    return listed(items);
}

// Where a list of cells stands in its sentence: languages that decline nouns word it
// differently at the start, as a subject, after "in" and after "from" or "out of".
enum class CellsRole { Start, Subject, In, From };

QString cellsText(const std::vector<int> &cells, CellsRole role)
{
    QStringList numbers;
    for (int c : cells)
        numbers << QString::number(c + 1);
    const bool one = cells.size() == 1;
    QString text;
    switch (role) {
    case CellsRole::Start:
        text = one ? Words::tr("Cell %1") : Words::tr("Cells %1");
        break;
    case CellsRole::Subject:
        text = one ? Words::tr("cell %1", "subject") : Words::tr("cells %1", "subject");
        break;
    case CellsRole::In:
        text = one ? Words::tr("cell %1", "after in") : Words::tr("cells %1", "after in");
        break;
    case CellsRole::From:
        text = one ? Words::tr("cell %1", "after from or out of")
                   : Words::tr("cells %1", "after from or out of");
        break;
    }
    return text.arg(one ? numbers.constFirst() : listed(numbers));
}

QString unitName(int u)
{
    const int n = u % 9 + 1;
    switch (u / 9) {
    case 0:
        //: A unit inside a sentence: "In row 3, ...", "... is already in row 3".
        return Words::tr("row %1").arg(n);
    case 1:
        return Words::tr("column %1").arg(n);
    default:
        return Words::tr("box %1").arg(n);
    }
}

QString unitTitle(int u)
{
    const int n = u % 9 + 1;
    switch (u / 9) {
    case 0:
        //: A unit at the start of a line: "Row 3 holds 1, 4 and 7."
        return Words::tr("Row %1").arg(n);
    case 1:
        return Words::tr("Column %1").arg(n);
    default:
        return Words::tr("Box %1").arg(n);
    }
}

// "rows 2 and 7", "columns 3, 5 and 8"
QString linesText(const std::vector<int> &units)
{
    QStringList numbers;
    for (int u : units)
        numbers << QString::number(u % 9 + 1);
    //: Two to four rows or columns of an X-wing, swordfish or jellyfish: "rows 2 and 7".
    return (units.front() < 9 ? Words::tr("rows %1") : Words::tr("columns %1"))
        .arg(listed(numbers));
}

// "3 from cells 19 and 25, and 7 and 8 from cell 20"
QString removalsText(const std::vector<CellDigit> &removals)
{
    std::vector<std::pair<std::vector<int>, Mask>> groups; // cells, and the digits they lose
    for (int d = 1; d <= 9; ++d) {
        std::vector<int> cells;
        for (const CellDigit &r : removals)
            if (r.second == d)
                cells.push_back(r.first);
        if (cells.empty())
            continue;
        const auto same = std::find_if(groups.begin(), groups.end(),
                                       [&](const auto &g) { return g.first == cells; });
        if (same != groups.end())
            same->second |= bit(d);
        else
            groups.push_back({cells, bit(d)});
    }
    QStringList texts;
    for (const auto &g : groups)
        //: What a step rules out: %1 one or more digits, %2 "cell 19" or "cells 19 and 25".
        texts << Words::tr("%1 from %2")
                     .arg(digitsText(g.second), cellsText(g.first, CellsRole::From));
    return listed(texts);
}

QString stepText(const Step &s, const std::vector<CellDigit> &removals)
{
    const QString name = techniqueName(s.technique);
    const QString ruledOut = removalsText(removals);
    //: One step of a deduction. %1 a unit ("row 3") or rows or columns ("rows 2 and 7");
    //: %2 one or more digits; %3 a unit, rows or columns, or cells ("cells 4 and 6");
    //: %4 the technique's name; %5 what it rules out ("3 from cell 19, and 7 from
    //: cells 20 and 21"). The naked sets read: in %1, cells %2 can only take digits %3.
    switch (s.technique) {
    case Technique::Pointing:
    case Technique::Claiming:
        return Words::tr("In %1, %2 can only go in %3 (%4): that rules out %5.")
            .arg(unitName(s.where.front()), digitsText(s.digits), unitName(s.onto.front()), name,
                 ruledOut);
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return Words::tr("In %1, %2 can only take %3 (%4): that rules out %5.")
            .arg(unitName(s.where.front()), cellsText(s.onto, CellsRole::Subject),
                 digitsText(s.digits), name, ruledOut);
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return Words::tr("In %1, %2 can only go in %3 (%4): that rules out %5.")
            .arg(unitName(s.where.front()), digitsText(s.digits), cellsText(s.onto, CellsRole::In),
                 name, ruledOut);
    default:
        return Words::tr("In %1, %2 can only go in %3 (%4): that rules out %5.")
            .arg(linesText(s.where), digitsText(s.digits), linesText(s.onto), name, ruledOut);
    }
}

// Why the single holds: what the cell's units hold, or what keeps the digit out of the
// other cells of its unit, and what the steps before ruled out.
QStringList singleText(const Board &b, const Single &s, bool afterSteps)
{
    const Table &t = table();
    QStringList lines;
    if (s.technique == Technique::NakedSingle) {
        Mask byStep = 0;
        for (int u : t.units[s.cell]) {
            const Mask held = b.placed(u);
            if (held)
                //: %1 a unit at the start of a line ("Row 3"), %2 one or more digits.
                lines << Words::tr("%1 holds %2.").arg(unitTitle(u), digitsText(held));
        }
        for (int d = 1; d <= 9; ++d)
            byStep |= b.stepRemoved(s.cell, d) ? bit(d) : 0;
        if (byStep)
            lines << Words::tr("The steps above rule out %1.").arg(digitsText(byStep));
        lines << Words::tr("That leaves only %1 for cell %2 (%3).")
                     .arg(s.digit)
                     .arg(s.cell + 1)
                     .arg(techniqueName(s.technique));
        return lines;
    }

    //: %1 a unit ("box 1"), %2 a digit, %3 a cell number, %4 the technique's name.
    lines << Words::tr("In %1, %2 can only go in cell %3 (%4).")
                 .arg(unitName(s.unit))
                 .arg(s.digit)
                 .arg(s.cell + 1)
                 .arg(techniqueName(s.technique));
    // The other open cells, each kept from the digit by a unit that holds it; as few
    // such units as will do.
    std::vector<int> blocked;
    std::vector<int> byStep;
    for (int c : t.cells[s.unit]) {
        if (c == s.cell || b.digit[c])
            continue;
        (b.stepRemoved(c, s.digit) ? byStep : blocked).push_back(c);
    }
    QStringList holders;
    while (!blocked.empty()) {
        int best = -1;
        int bestCount = 0;
        for (int u = 0; u < 27; ++u) {
            if (u == s.unit || !(b.placed(u) & bit(s.digit)))
                continue;
            const int n = int(std::count_if(blocked.begin(), blocked.end(), [&](int c) {
                const auto &units = t.units[c];
                return std::find(units.begin(), units.end(), u) != units.end();
            }));
            if (n > bestCount) {
                best = u;
                bestCount = n;
            }
        }
        if (best < 0)
            break;
        const auto &cells = t.cells[best];
        const int holder = *std::find_if(cells.begin(), cells.end(),
                                         [&](int c) { return b.digit[c] == s.digit; });
        //: %1 a unit ("row 3") that holds the digit, in cell %2.
        holders << Words::tr("%1 (cell %2)").arg(unitName(best)).arg(holder + 1);
        blocked.erase(std::remove_if(blocked.begin(), blocked.end(),
                                     [&](int c) {
                                         const auto &units = t.units[c];
                                         return std::find(units.begin(), units.end(), best)
                                             != units.end();
                                     }),
                      blocked.end());
    }
    if (!holders.isEmpty())
        //: %1 a digit; %2 a list of units with their cells: "row 3 (cell 23) and column 1 (cell
        //: 55)".
        lines << Words::tr("%1 is already in %2.").arg(s.digit).arg(listed(holders));
    if (!byStep.empty() && afterSteps)
        lines << Words::tr("The steps above rule it out of %1.")
                     .arg(cellsText(byStep, CellsRole::From));
    return lines;
}

// The deduction: singles first, then one elimination after another until a single
// appears. Only the steps the single rests on are told, in the order they were found.
bool deduce(const std::array<int, 81> &grid, Answer &a, int &revealCell)
{
    Board b(grid);
    std::vector<Step> steps;
    Single single;
    while (!findSingle(b, single)) {
        Step step;
        if (!nextStep(b, step)) {
            // Give away the most constrained cell: it helps the most.
            revealCell = -1;
            for (int c = 0; c < 81; ++c)
                if (!b.digit[c] && (revealCell < 0 || count(b.cand[c]) < count(b.cand[revealCell])))
                    revealCell = c;
            return false;
        }
        for (const CellDigit &r : step.removals) {
            b.cand[r.first] &= ~bit(r.second);
            b.removedBy[r.first][r.second] = short(steps.size());
        }
        steps.push_back(std::move(step));
    }

    std::array<Mask, 81> needed{};
    std::vector<bool> used(steps.size());
    const auto require = [&](const std::vector<CellDigit> &premises) {
        for (const CellDigit &p : premises) {
            if (b.stepRemoved(p.first, p.second)) {
                used[size_t(b.removedBy[p.first][p.second])] = true;
                needed[p.first] |= bit(p.second);
            }
        }
    };
    require(single.premises);
    for (size_t i = steps.size(); i-- > 0;)
        if (used[i])
            require(steps[i].premises);

    a.kind = Kind::Deduction;
    a.cell = single.cell + 1;
    a.digit = single.digit;
    a.hardest = single.technique;
    QStringList lines{Words::tr("Cell %1 is %2.").arg(a.cell).arg(a.digit)};
    bool anyStep = false;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (!used[i])
            continue;
        std::vector<CellDigit> told;
        for (const CellDigit &r : steps[i].removals)
            if (needed[r.first] & bit(r.second))
                told.push_back(r);
        lines << stepText(steps[i], told);
        a.hardest = std::max(a.hardest, steps[i].technique);
        anyStep = true;
    }
    lines << singleText(b, single, anyStep);
    a.text = lines.join(u'\r');
    return true;
}

// Equal digits in one unit, each set named once even where a row and a box both hold it.
bool findClashes(const std::array<int, 81> &grid, const std::array<bool, 81> &givens, Answer &a)
{
    const Table &t = table();
    QStringList lines;
    std::vector<std::vector<int>> seen;
    for (int u = 0; u < 27; ++u) {
        for (int d = 1; d <= 9; ++d) {
            std::vector<int> cells;
            for (int c : t.cells[u])
                if (grid[c] == d)
                    cells.push_back(c);
            if (cells.size() < 2 || std::find(seen.begin(), seen.end(), cells) != seen.end())
                continue;
            seen.push_back(cells);
            if (a.cell == 0) {
                const auto typed
                    = std::find_if(cells.begin(), cells.end(), [&](int c) { return !givens[c]; });
                a.cell = (typed != cells.end() ? *typed : cells.front()) + 1;
            }
            lines << Words::tr("%1 each hold %2 in %3.")
                         .arg(cellsText(cells, CellsRole::Start))
                         .arg(d)
                         .arg(unitName(u));
        }
    }
    if (lines.isEmpty())
        return false;
    a.kind = Kind::Clash;
    const qsizetype total = lines.size();
    if (total > MaxNamed) {
        lines = lines.mid(0, MaxNamed - 1);
        lines << Words::tr("And %n more.", nullptr, int(total - MaxNamed + 1));
    }
    lines.prepend(Words::tr("Some digits clash: a row, a column or a box holds a digit twice."));
    a.text = lines.join(u'\r');
    return true;
}

// How many solutions the givens allow (0, 1, or 2 for more than one) and the one there is.
// A hard puzzle takes QQWing a few milliseconds; the player asks again and again about
// the same givens, so the last answer is kept.
struct Solution
{
    std::array<int, 81> givens{};
    int count = -1;
    std::array<int, 81> digits{};
};

const Solution &solutionOf(const std::array<int, 81> &givens)
{
    thread_local Solution last;
    if (last.count >= 0 && last.givens == givens)
        return last;
    last.givens = givens;
    // QQWing counts no solution for a full grid; one without clashes is its own.
    if (std::find(givens.begin(), givens.end(), 0) == givens.end()) {
        last.count = 1;
        last.digits = givens;
        return last;
    }
    // The digits the givens force are worked out first: they leave the solutions as they
    // are, and spare QQWing's search, which on a sparse grid without a solution can run
    // for minutes. A contradiction on the way means there is no solution.
    Board forced(givens);
    for (;;) {
        bool placed = false;
        for (int c = 0; c < 81; ++c) {
            if (forced.digit[c])
                continue;
            if (!forced.cand[c]) {
                last.count = 0;
                return last;
            }
            if (count(forced.cand[c]) == 1) {
                forced.place(c, int(qCountTrailingZeroBits(forced.cand[c])));
                placed = true;
            }
        }
        if (placed)
            continue;
        if (forced.missingPlace() >= 0) {
            last.count = 0;
            return last;
        }
        Single single;
        Step step;
        if (findSingle(forced, single)) {
            forced.place(single.cell, single.digit);
        } else if (nextStep(forced, step)) {
            for (const CellDigit &r : step.removals)
                forced.cand[r.first] &= ~bit(r.second);
        } else {
            break;
        }
    }
    // QQWing counts no solution for a full grid: when the forced digits fill it, QQWing
    // checks the givens themselves.
    const bool full = std::find(forced.digit.begin(), forced.digit.end(), 0) == forced.digit.end();
    std::array<int, 81> puzzle = full ? givens : forced.digit;
    qqwing::SudokuBoard board;
    last.count = board.setPuzzle(puzzle.data()) ? board.countSolutionsLimited() : 0;
    if (last.count == 1 && board.solve())
        std::copy(board.getSolution(), board.getSolution() + 81, last.digits.begin());
    return last;
}

// A cell that can take no digit, or a digit with no place left in some row, column or
// box: the grid cannot be finished.
bool findDeadEnd(const std::array<int, 81> &grid, Answer &a)
{
    const Board b(grid);
    for (int c = 0; c < 81; ++c) {
        if (!grid[c] && !b.cand[c]) {
            a.kind = Kind::NoCandidate;
            a.cell = c + 1;
            a.text = Words::tr("Cell %1 can take no digit: its row, column and box hold every "
                               "digit from 1 to 9 between them.\rSome digit in the grid is wrong.")
                         .arg(a.cell);
            return true;
        }
    }

    const int missing = b.missingPlace();
    if (missing >= 0) {
        a.kind = Kind::NoPlace;
        a.text = Words::tr("In %1, %2 has no place left: every open cell there sees one "
                           "already.\rSome digit in the grid is wrong.")
                     .arg(unitName(missing / 10))
                     .arg(missing % 10);
        return true;
    }

    return false;
}

// The digits typed in the grid, not given, that differ from the solution.
bool findWrongDigits(const std::array<int, 81> &grid, const std::array<bool, 81> &givens,
                     const std::array<int, 81> &solution, Answer &a)
{
    std::vector<int> wrong;
    for (int c = 0; c < 81; ++c)
        if (grid[c] && !givens[c] && grid[c] != solution[c])
            wrong.push_back(c);
    if (!wrong.empty()) {
        a.kind = Kind::WrongDigit;
        a.cell = wrong.front() + 1;
        a.text = Words::tr("Cell %1 does not fit the solution.").arg(a.cell);
        wrong.erase(wrong.begin());
        if (!wrong.empty())
            a.text += u'\r'
                + Words::tr("%1 do not fit it either.", nullptr, int(wrong.size()))
                      .arg(cellsText(wrong, CellsRole::Start));
        return true;
    }
    return false;
}

} // namespace

QString techniqueName(Technique technique)
{
    switch (technique) {
    case Technique::None:
        return Words::tr("reveal");
    case Technique::NakedSingle:
        return Words::tr("naked single");
    case Technique::HiddenSingle:
        return Words::tr("hidden single");
    case Technique::Pointing:
        return Words::tr("pointing");
    case Technique::Claiming:
        return Words::tr("claiming");
    case Technique::NakedPair:
        return Words::tr("naked pair");
    case Technique::HiddenPair:
        return Words::tr("hidden pair");
    case Technique::NakedTriple:
        return Words::tr("naked triple");
    case Technique::HiddenTriple:
        return Words::tr("hidden triple");
    case Technique::XWing:
        return Words::tr("X-wing");
    case Technique::Swordfish:
        return Words::tr("swordfish");
    case Technique::NakedQuad:
        return Words::tr("naked quad");
    case Technique::HiddenQuad:
        return Words::tr("hidden quad");
    case Technique::Jellyfish:
        return Words::tr("jellyfish");
    }
    return QString();
}

Answer find(const std::array<int, 81> &grid, const std::array<bool, 81> &givenCells)
{
    Answer a;
    std::array<bool, 81> givens = givenCells;
    const bool marked = std::find(givens.begin(), givens.end(), true) != givens.end();
    int filled = 0;
    for (int c = 0; c < 81; ++c) {
        givens[c] = grid[c] && (marked ? givens[c] : true);
        filled += grid[c] ? 1 : 0;
    }

    if (findClashes(grid, givens, a))
        return a;

    std::array<int, 81> puzzle{};
    for (int c = 0; c < 81; ++c)
        puzzle[c] = givens[c] ? grid[c] : 0;
    if (findDeadEnd(grid, a)) {
        // A dead end the givens alone do not reach comes from the digits typed: where the
        // givens have one solution, the typed digits that differ from it are named.
        Answer wrong, givensOnly;
        if (puzzle != grid && !findDeadEnd(puzzle, givensOnly)) {
            const Solution &known = solutionOf(puzzle);
            if (known.count == 1 && findWrongDigits(grid, givens, known.digits, wrong))
                return wrong;
        }
        return a;
    }

    if (filled == 0) {
        a.kind = Kind::ManySolutions;
        a.text = Words::tr("The grid is empty.\rType in the givens of a puzzle, or load one with "
                           "Get File, and ask again.");
        return a;
    }
    const Solution &known = solutionOf(puzzle);
    if (known.count != 1) {
        a.kind = known.count == 0 ? Kind::NoSolution : Kind::ManySolutions;
        if (known.count == 0)
            a.text = marked ? Words::tr("The givens allow no solution: some given is wrong.")
                            : Words::tr("The digits in the grid allow no solution: some digit "
                                        "is wrong.");
        else
            a.text = marked ? Words::tr("The givens allow more than one solution: a given is "
                                        "missing or wrong.\rA hint needs a puzzle with exactly "
                                        "one solution.")
                            : Words::tr("The digits in the grid allow more than one solution: a "
                                        "given is missing or wrong.\rA hint needs a puzzle with "
                                        "exactly one solution.");
        return a;
    }
    const std::array<int, 81> &solution = known.digits;

    if (findWrongDigits(grid, givens, solution, a))
        return a;
    if (filled == 81) {
        a.kind = Kind::Full;
        a.text = Words::tr("Every cell is filled, and every digit fits the solution.");
        return a;
    }

    int revealCell = -1;
    if (deduce(grid, a, revealCell))
        return a;
    a.kind = Kind::Reveal;
    a.cell = revealCell + 1;
    a.digit = solution[revealCell];
    a.hardest = Technique::None;
    a.text = Words::tr("No technique Varnodel knows decides a cell here.\rRevealed from the "
                       "solution, not worked out: cell %1 is %2.")
                 .arg(a.cell)
                 .arg(a.digit);
    return a;
}

} // namespace Hints
