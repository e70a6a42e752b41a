#pragma once

#include "core/TimeRules.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

// The check of one time field when the focus leaves it: a text that is not a number becomes
// "0", a value out of range is brought back, and an overflow of seconds or minutes carries
// exactly one unit into the next field. Index 0 is the hours, 1 the minutes, 2 the seconds.
//
// Choices where nothing else decides:
// - What is a number: TimeText::parseTimeNumber (core/TimeText.h).
// - A neighbour that is not a number when a carry reads it counts as 0, so the carry writes
//   "1" there; arming and the tick read such a text as 0 too.
// - The remainder is that of the rounded double itself, however large: a value whose whole
//   number does not fit 32 bits still gives 0..59 (2147483648 seconds leave 8).

namespace FieldCheck {

// Countdown hours go up to 99 and above that stay at 99; time-of-day hours go up to 23
// and above that wrap to 0.
int hourLimit(TimeMode row);
// The largest value of a field's spin buttons: the hour limit, or 59.
int spinnerMaximum(TimeMode row, int index);

struct FieldWrite
{
    int index = 0;
    QString text;
    bool operator==(const FieldWrite &other) const = default;
};

using FieldReader = std::function<QString(int index)>;
using FieldWriter = std::function<void(int index, const QString &text)>;

// Checks field `index` of a row. Every step reads the texts afresh through `read`; each
// write goes out through `write` at once, so the next read sees it. Returns the writes in
// the order they were made; a field in range causes none.
std::vector<FieldWrite> checkField(TimeMode row, int index, const FieldReader &read,
                                   const FieldWriter &write);

// The same on three plain texts, which are updated in place.
std::vector<FieldWrite> checkField(TimeMode row, int index, std::array<QString, 3> &texts);
} // namespace FieldCheck
