// Any grid given to the hint: it must never crash, and a digit it names must be one the
// cell can take. A byte a cell: its digit is the byte modulo 10 (0 for an open cell), and
// the cell is a given when the byte is 128 or more.
#include "solver/hint.h"

#include <cstddef>
#include <cstdint>

static void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::array<int, 81> grid{};
    std::array<bool, 81> givens{};
    for (size_t c = 0; c < 81 && c < size; ++c) {
        grid[c] = data[c] % 10;
        givens[c] = data[c] >= 128;
    }
    const Hints::Answer a = Hints::find(grid, givens);
    check(!a.text.isEmpty() && a.cell >= 0 && a.cell <= 81);
    if (a.kind != Hints::Kind::Deduction && a.kind != Hints::Kind::Reveal)
        return 0;
    const int cell = a.cell - 1;
    check(cell >= 0 && grid[size_t(cell)] == 0 && a.digit >= 1 && a.digit <= 9);
    for (int c = 0; c < 81; ++c) {
        const bool peer = c / 9 == cell / 9 || c % 9 == cell % 9
            || (c / 27 == cell / 27 && c % 9 / 3 == cell % 9 / 3);
        check(!peer || grid[size_t(c)] != a.digit);
    }
    if (a.kind == Hints::Kind::Deduction)
        check(a.text.startsWith(QStringLiteral("Cell %1 is %2.").arg(a.cell).arg(a.digit)));
    return 0;
}
