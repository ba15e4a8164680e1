// Any bytes as a help file: paging through must never crash or stall, and every page
// read in full ends with its separator line.
#include "help/helppager.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

static void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    HelpPager pager(&buffer);
    size_t pages = 0;
    while (!pager.atEnd()) {
        QStringList rows;
        const HelpPager::Status status = pager.readPage(rows);
        check(!rows.isEmpty());
        if (status == HelpPager::PageRead)
            check(rows.last() == HelpPager::Separator);
        else
            check(pager.atEnd());
        check(++pages <= size);
    }
    return 0;
}
