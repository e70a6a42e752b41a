#include "core/FieldCheck.h"

#include "core/TimeText.h"

#include <cmath>

namespace FieldCheck {

namespace {

constexpr int Hours = 0;
constexpr int Minutes = 1;
constexpr int Seconds = 2;
constexpr double MinuteLimit = 59;

class Checker
{
public:
    Checker(TimeMode row, const FieldReader &read, const FieldWriter &write)
        : m_row(row), m_limit(hourLimit(row)), m_read(read), m_write(write)
    {
    }

    void run(int index)
    {
        if (!TimeText::parseTimeNumber(m_read(index)))
            put(index, QStringLiteral("0"));
        if (index == Hours)
            checkHours();
        else if (index == Minutes)
            checkMinutes();
        else if (index == Seconds)
            checkSeconds();
    }

    std::vector<FieldWrite> writes;

private:
    double number(int index) const { return TimeText::timeNumberOrZero(m_read(index)); }

    void put(int index, const QString &text)
    {
        writes.push_back({index, text});
        m_write(index, text);
    }

    // The rounded whole number modulo 60. fmod is exact for every double, so a whole number
    // beyond 32 bits still gives its true remainder instead of overflowing.
    void putRemainder(int index)
    {
        const double whole = TimeText::roundHalfEven(number(index));
        put(index, TimeText::plainDecimal(std::fabs(std::fmod(whole, 60.0))));
    }

    void checkHours()
    {
        const double hours = number(Hours);
        if (hours > m_limit)
            put(Hours, m_row == TimeMode::Countdown ? TimeText::plainDecimal(m_limit)
                                                    : QStringLiteral("0"));
        else if (hours < 0)
            put(Hours, QStringLiteral("0"));
    }

    void checkMinutes()
    {
        const double minutes = number(Minutes);
        if (minutes > MinuteLimit) {
            putRemainder(Minutes);
            carryHour();
        } else if (minutes < 0) {
            put(Minutes, QStringLiteral("0"));
        }
    }

    void checkSeconds()
    {
        const double seconds = number(Seconds);
        if (seconds > MinuteLimit) {
            putRemainder(Seconds);
            // The incremented minutes have no test of their own, only the overflow one.
            put(Minutes, TimeText::plainDecimal(number(Minutes) + 1));
            if (number(Minutes) > MinuteLimit) {
                putRemainder(Minutes);
                carryHour();
            }
        } else if (seconds < 0) {
            put(Seconds, QStringLiteral("0"));
        }
    }

    // One hour however far the field overflowed; the hours reached are not tested again.
    void carryHour()
    {
        const double hours = number(Hours);
        if (hours < m_limit)
            put(Hours, TimeText::plainDecimal(hours + 1));
        else if (m_row == TimeMode::TimeOfDay)
            put(Hours, QStringLiteral("0"));
    }

    TimeMode m_row;
    double m_limit;
    const FieldReader &m_read;
    const FieldWriter &m_write;
};

} // namespace

int hourLimit(TimeMode row)
{
    return row == TimeMode::Countdown ? 99 : 23;
}

int spinnerMaximum(TimeMode row, int index)
{
    return index == Hours ? hourLimit(row) : static_cast<int>(MinuteLimit);
}

std::vector<FieldWrite> checkField(TimeMode row, int index, const FieldReader &read,
                                   const FieldWriter &write)
{
    if (index < Hours || index > Seconds)
        return {};
    Checker checker(row, read, write);
    checker.run(index);
    return std::move(checker.writes);
}

std::vector<FieldWrite> checkField(TimeMode row, int index, std::array<QString, 3> &texts)
{
    return checkField(
        row, index, [&texts](int i) { return texts[i]; },
        [&texts](int i, const QString &text) { texts[i] = text; });
}

} // namespace FieldCheck
