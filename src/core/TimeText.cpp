#include "core/TimeText.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace TimeText {

std::optional<double> parseTimeNumber(const QString &typed)
{
    // The user's own decimal separator is taken as well as the point, which stored
    // settings use whatever the locale.
    QString text = typed;
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator != QLatin1String("."))
        text.replace(separator, QStringLiteral("."));
    static const QRegularExpression grammar(
        QStringLiteral("^[ \\t]*[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?[ \\t]*$"));
    if (!grammar.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // QString::toDouble uses the C locale
    // The grammar lets through well-formed decimals only, so a refusal is a range error: an
    // overflow ("1e999") is no number, an underflow ("1e-999") is a tiny one that reads as 0.
    if (!ok)
        return value == 0.0 ? std::optional<double>(0.0) : std::nullopt;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double timeNumberOrZero(const QString &text)
{
    return parseTimeNumber(text).value_or(0.0);
}

QString plainDecimal(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

double roundHalfEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

double roundHalfAwayFromZero(double value)
{
    return std::round(value);
}

QString formatWholeNumber(double value, int minDigits)
{
    const double rounded = roundHalfAwayFromZero(value);
    QString digits = plainDecimal(std::fabs(rounded));
    while (digits.size() < minDigits)
        digits.prepend(QLatin1Char('0'));
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace TimeText
