#pragma once

#include <QString>

// One entry of the cell values or of the candidate table: empty, or a digit 0 to 9.
// A digit copied from a box text and a digit put in as a number are the same value,
// so comparing, adding and showing never depend on where the digit came from.
class Value
{
public:
    constexpr Value() = default;
    static constexpr Value digit(int d) { return Value(static_cast<signed char>(d)); }
    // The text of a box; anything but a single digit 0 to 9 gives an empty value.
    // The Solve command refuses such texts before it ever builds values from them.
    static Value fromText(const QString &text);

    constexpr bool isEmpty() const { return m_digit < 0; }
    // Empty counts as 0, as the engine's sums expect.
    constexpr int toInt() const { return m_digit < 0 ? 0 : m_digit; }
    QString toText() const { return isEmpty() ? QString() : QString(QChar(u'0' + m_digit)); }

    constexpr bool operator==(int number) const { return !isEmpty() && m_digit == number; }
    constexpr bool operator!=(int number) const { return !(*this == number); }
    constexpr bool operator==(const Value &other) const { return m_digit == other.m_digit; }
    constexpr bool operator!=(const Value &other) const { return m_digit != other.m_digit; }

private:
    constexpr explicit Value(signed char d) : m_digit(d) { }
    signed char m_digit = -1;
};

// True when a box text is something the Solve command can take: nothing, or one digit 0 to 9.
bool isCellText(const QString &text);
