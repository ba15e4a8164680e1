#include "value.h"

bool isCellText(const QString &text)
{
    return text.isEmpty() || (text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9');
}

Value Value::fromText(const QString &text)
{
    if (text.size() != 1 || !isCellText(text))
        return Value();
    return digit(text.at(0).unicode() - u'0');
}
