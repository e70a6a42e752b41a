#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The user's own command: run before the action ("Before the action, run:"), or as the
// action itself (Action::RunCommand). Saved with the window's choices.
struct CommandChoices
{
    static constexpr int MaximumSeconds = 24 * 3600;

    QString line;              // as the user wrote it; split by the platform's rules
    bool before = false;       // run before every action armed by hand
    int limitSeconds = 3600;   // how long it may run before the action, 1..MaximumSeconds
    bool actAtLimit = false;   // at the limit: end it and act (else end it and cancel)
    bool actOnFailure = false; // a failing command: act anyway (else cancel)

    bool operator==(const CommandChoices &) const = default;
};

namespace CommandSplit {
// A line split as a desktop entry's Exec value is: arguments separated by blanks, each
// either quoted in whole with double quotes (inside which a backslash escapes only " ` $
// and itself) or free of the characters that would mean something to a shell. Nothing,
// with the reason, for a line those rules refuse (an unclosed quote, a '>' unquoted).
std::optional<QStringList> desktopExec(const QString &line, QString *error);
// A line split as CommandLineToArgvW splits one: the program up to the next blank, or in
// quotes up to the next quote; then 2n backslashes and a quote give n backslashes and open
// or close quoting, 2n+1 give n and a literal quote, other backslashes are themselves, and
// a quote doubled inside quotes is a literal one. Nothing for a line of blanks alone.
std::optional<QStringList> windows(const QString &line, QString *error);
} // namespace CommandSplit

// How one run of the command ended.
struct CommandEnd
{
    enum class Kind
    {
        Exited,     // exitCode says how
        Crashed,    // ended by a signal or an exception
        NotStarted, // error says why
        Stopped,    // ended by Orvanta: its limit, or Stop
    };
    Kind kind = Kind::Exited;
    int exitCode = 0;
    QString error;
    qint64 elapsedMs = 0;

    bool succeeded() const { return kind == Kind::Exited && exitCode == 0; }
};

namespace CommandTexts {
// "backup.sh": the program as the status names it.
QString programName(const QString &program);
// "running backup.sh (0:02:13)".
QString running(const QString &name, qint64 elapsedMs);
// "backup.sh ended with status 1 after 0:02:13. Its output: /home/u/.local/state/…": how
// a run ended and where its output is.
QString report(const QString &name, const CommandEnd &end, const QString &logPath);
// The last few lines of a log file, for a message (at most a few hundred characters).
QString lastLines(const QString &logPath);
} // namespace CommandTexts
