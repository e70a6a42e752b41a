#pragma once

#include <QString>

#include <optional>

namespace TimeText {

// What counts as a number in a time field: optional blanks, an optional sign, decimal
// digits with at most one decimal separator (the point, or the user's locale's own), an
// optional exponent, optional blanks. No group separators, no hex. A text whose value is
// not finite ("inf", "nan", "1e999") is not a number; neither is an empty text.
std::optional<double> parseTimeNumber(const QString &text);

// A field read as a number where a non-number must not stop the program: it counts as 0.
double timeNumberOrZero(const QString &text);

// The plain decimal form of a double: "3", "2.5", "-1", never "3.0" or an exponent.
QString plainDecimal(double value);

// Nearest whole number, an exact half going to the even neighbour (59.5 -> 60, 60.5 -> 60).
double roundHalfEven(double value);

// Nearest whole number, an exact half going away from zero, as number patterns do.
double roundHalfAwayFromZero(double value);

// The number pattern "0" (minDigits 1) or "00" (minDigits 2): the rounded whole number
// with at least minDigits digits, a minus sign in front of the zeros.
QString formatWholeNumber(double value, int minDigits);
} // namespace TimeText
