#include "core/UserCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A class, not a lambda, so that lupdate files the texts under their context.
struct UserCommand
{
    Q_DECLARE_TR_FUNCTIONS(UserCommand)
};

bool blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The characters a desktop entry's argument may hold only when quoted.
bool reserved(QChar c)
{
    static const QString characters = QStringLiteral("\"'\\><~|&;$*?#()`");
    return characters.contains(c);
}

QString clock(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<QStringList> CommandSplit::desktopExec(const QString &line, QString *error)
{
    QStringList arguments;
    qsizetype i = 0;
    const qsizetype size = line.size();
    while (true) {
        while (i < size && blank(line[i]))
            ++i;
        if (i == size)
            break;
        QString argument;
        if (line[i] == u'"') {
            for (++i;; ++i) {
                if (i == size) {
                    *error = UserCommand::tr("A quote is not closed.");
                    return std::nullopt;
                }
                if (line[i] == u'"')
                    break;
                if (line[i] == u'\\') {
                    static const QString escaped = QStringLiteral("\"`$\\");
                    if (i + 1 == size || !escaped.contains(line[i + 1])) {
                        *error = UserCommand::tr("Inside quotes a backslash may only come "
                                                 "before \" ` $ or another backslash.");
                        return std::nullopt;
                    }
                    ++i;
                }
                argument += line[i];
            }
            ++i;
            if (i < size && !blank(line[i])) {
                *error = UserCommand::tr("A quoted argument must end where the quote ends.");
                return std::nullopt;
            }
        } else {
            for (; i < size && !blank(line[i]); ++i) {
                if (reserved(line[i])) {
                    *error = UserCommand::tr("The character %1 means something only to a "
                                             "shell: put the argument in double quotes, or "
                                             "run the command through sh -c.")
                                 .arg(line[i]);
                    return std::nullopt;
                }
                argument += line[i];
            }
        }
        arguments << argument;
    }
    if (arguments.isEmpty()) {
        *error = UserCommand::tr("No command was given.");
        return std::nullopt;
    }
    return arguments;
}

std::optional<QStringList> CommandSplit::windows(const QString &line, QString *error)
{
    const auto space = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype i = 0;
    const qsizetype size = line.size();
    while (i < size && space(line[i]))
        ++i;
    if (i == size) {
        *error = UserCommand::tr("No command was given.");
        return std::nullopt;
    }
    // The program: no backslash rules, one pair of quotes at most.
    QString program;
    if (line[i] == u'"') {
        for (++i; i < size && line[i] != u'"'; ++i)
            program += line[i];
        if (i < size)
            ++i;
    } else {
        for (; i < size && !space(line[i]); ++i)
            program += line[i];
    }
    QStringList arguments{program};
    while (true) {
        while (i < size && space(line[i]))
            ++i;
        if (i == size)
            break;
        QString argument;
        // quotes: 0 outside quotes, 1 inside; 2 marks a closing quote that a third may
        // turn into a literal one.
        int quotes = 0;
        int backslashes = 0;
        for (; i < size && !(space(line[i]) && quotes == 0); ++i) {
            const QChar c = line[i];
            if (c == u'\\') {
                argument += c;
                ++backslashes;
                continue;
            }
            if (c != u'"') {
                argument += c;
                backslashes = 0;
                continue;
            }
            argument.chop(backslashes / 2);
            if (backslashes % 2 == 1) {
                argument.back() = u'"';
            } else {
                ++quotes;
            }
            backslashes = 0;
            while (i + 1 < size && line[i + 1] == u'"') {
                ++i;
                if (++quotes == 3) {
                    argument += u'"';
                    quotes = 0;
                }
            }
            if (quotes == 2)
                quotes = 0;
        }
        arguments << argument;
    }
    return arguments;
}

QString CommandTexts::programName(const QString &program)
{
    return QFileInfo(program).fileName();
}

QString CommandTexts::running(const QString &name, qint64 elapsedMs)
{
    return UserCommand::tr("running %1 (%2)").arg(name, clock(elapsedMs));
}

QString CommandTexts::report(const QString &name, const CommandEnd &end, const QString &logPath)
{
    QString how;
    switch (end.kind) {
    case CommandEnd::Kind::Exited:
        how = UserCommand::tr("%1 ended with status %2 after %3.")
                  .arg(name)
                  .arg(end.exitCode)
                  .arg(clock(end.elapsedMs));
        break;
    case CommandEnd::Kind::Crashed:
        how = UserCommand::tr("%1 crashed after %2.").arg(name, clock(end.elapsedMs));
        break;
    case CommandEnd::Kind::NotStarted:
        how = UserCommand::tr("%1 could not be started: %2").arg(name, end.error);
        break;
    case CommandEnd::Kind::Stopped:
        how = UserCommand::tr("%1 was ended after %2.").arg(name, clock(end.elapsedMs));
        break;
    }
    return how + u' ' + UserCommand::tr("Its output: %1").arg(QDir::toNativeSeparators(logPath));
}

QString CommandTexts::lastLines(const QString &logPath)
{
    // The tail only: a log may be large, and a message shows a few lines.
    constexpr qint64 Tail = 400;
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    if (file.size() > Tail)
        file.seek(file.size() - Tail);
    QString text = QString::fromLocal8Bit(file.read(Tail)).trimmed();
    if (file.size() > Tail)
        text = QStringLiteral("…") + text.mid(text.indexOf(u'\n') + 1);
    return text;
}
