#pragma once

#include "core/Wait.h"

#include <QString>

#include <array>
#include <optional>

class QCommandLineParser;
struct CommandLineOptions;

// The values the command line's options take, read and checked: nothing where refused.
namespace CommandLineValues {

// "1:30:00", "90:00" (H:MM), or "90" (minutes): the fields of a countdown.
std::optional<std::array<QString, 3>> countdownFrom(const QString &text);

// "23:30" or "23:30:15": the fields of a time of day.
std::optional<std::array<QString, 3>> clockFrom(const QString &text);

// More time: "0:30" (H:MM) or "30" (minutes), from a minute to 99:59; seconds.
std::optional<int> moreTimeFrom(const QString &text);

// A span in minutes, fractions allowed, up to a week: milliseconds.
std::optional<qint64> minutesFrom(const QString &text);

// A whole number from `minimum` to `maximum`.
std::optional<int> wholeFrom(const QString &text, int minimum, int maximum);

// The wait the options ask for; refusal reasons go to `error`.
std::optional<WaitOrder> waitFrom(const QCommandLineParser &parser,
                                  const CommandLineOptions &options, QString *error);

} // namespace CommandLineValues
