#include "core/CommandLineValues.h"

#include "core/CommandLineOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

namespace CommandLineValues {

// "1:30:00", "90:00" (H:MM), or "90" (minutes).
std::optional<std::array<QString, 3>> countdownFrom(const QString &text)
{
    // Anchored: a "$" would let a trailing line feed through.
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("(\\d{1,5})(?::(\\d{1,2}))?(?::(\\d{1,2}))?")));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    qint64 h = match.captured(1).toLongLong(), m = match.captured(2).toLongLong(),
           s = match.captured(3).toLongLong();
    if (!match.hasCaptured(2)) { // plain minutes
        m = h % 60;
        h /= 60;
    }
    if (h > 99 || m > 59 || s > 59 || h + m + s == 0)
        return std::nullopt;
    return std::array<QString, 3>{QString::number(h), QString::number(m), QString::number(s)};
}

std::optional<std::array<QString, 3>> clockFrom(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{1,2}):(\\d{2})(?::(\\d{2}))?")));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int h = match.captured(1).toInt(), m = match.captured(2).toInt(),
              s = match.captured(3).toInt();
    // 0:00:00 is refused by Start too.
    if (h > 23 || m > 59 || s > 59 || h + m + s == 0)
        return std::nullopt;
    return std::array<QString, 3>{QString::number(h), QString::number(m), QString::number(s)};
}

// More time: "0:30" (H:MM) or "30" (minutes), from a minute to 99:59; seconds, or nothing.
std::optional<int> moreTimeFrom(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{1,4})(?::(\\d{2}))?")));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int h = match.captured(1).toInt(), m = match.captured(2).toInt();
    if (!match.hasCaptured(2)) { // plain minutes
        m = h % 60;
        h /= 60;
    }
    if (h > 99 || m > 59 || h + m == 0)
        return std::nullopt;
    return (h * 60 + m) * 60;
}

// A span in minutes, fractions allowed, up to a week: milliseconds, or nothing.
std::optional<qint64> minutesFrom(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,5}(?:\\.\\d{1,3})?")));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const qint64 ms = qRound64(text.toDouble() * 60000);
    if (ms < 1000 || ms > qint64(7) * 24 * 3600 * 1000)
        return std::nullopt;
    return ms;
}

// A whole number from `minimum` to `maximum`, or nothing.
std::optional<int> wholeFrom(const QString &text, int minimum, int maximum)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,7}")));
    if (!form.match(text).hasMatch() || text.toInt() < minimum || text.toInt() > maximum)
        return std::nullopt;
    return text.toInt();
}

// The wait the options ask for; refusal reasons go to `error`.
std::optional<WaitOrder> waitFrom(const QCommandLineParser &parser,
                                  const CommandLineOptions &options, QString *error)
{
    WaitOrder order;
    if (parser.isSet(options.whenExits)) {
        order.kind = WaitOrder::Kind::ProgramEnd;
        order.pidsOrNames = parser.values(options.whenExits);
        for (const QString &program : order.pidsOrNames)
            if (program.trimmed().isEmpty() || program.contains(QLatin1Char('\n'))) {
                *error = CommandLine::tr("--when-exits needs a PID or a program name");
                return std::nullopt;
            }
        return order;
    }
    const bool quiet = parser.isSet(options.whenQuiet);
    const QString minutes = parser.value(quiet ? options.whenQuiet : options.whenIdle);
    const std::optional<qint64> span = minutesFrom(minutes);
    if (!span) {
        *error = CommandLine::tr("%1 %2: not a number of minutes up to a week")
                     .arg(quiet ? QStringLiteral("--when-quiet") : QStringLiteral("--when-idle"),
                          minutes);
        return std::nullopt;
    }
    if (!quiet) {
        order.kind = WaitOrder::Kind::Idle;
        order.idleMs = *span;
        return order;
    }
    order.kind = WaitOrder::Kind::Quiet;
    order.quiet.spanMs = *span;
    // Each threshold a whole number in its range, or the default.
    const struct
    {
        const QCommandLineOption &option;
        int maximum;
        int *value;
        const char *refusal;
    } thresholds[] = {
        {options.cpu, 100, &order.quiet.cpuPercent,
         QT_TRANSLATE_NOOP("CommandLine", "--cpu %1: not a percentage from 1 to 100")},
        {options.disk, 1000000, &order.quiet.diskKBps,
         QT_TRANSLATE_NOOP("CommandLine", "--disk %1: not a number of KB/s from 1 to 1000000")},
        {options.net, 1000000, &order.quiet.networkKBps,
         QT_TRANSLATE_NOOP("CommandLine", "--net %1: not a number of KB/s from 1 to 1000000")},
    };
    for (const auto &threshold : thresholds) {
        if (!parser.isSet(threshold.option))
            continue;
        const QString text = parser.value(threshold.option);
        const std::optional<int> value = wholeFrom(text, 1, threshold.maximum);
        if (!value) {
            *error = CommandLine::tr(threshold.refusal).arg(text);
            return std::nullopt;
        }
        *threshold.value = *value;
    }
    return order;
}

} // namespace CommandLineValues
