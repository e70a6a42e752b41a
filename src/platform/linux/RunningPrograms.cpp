#include "core/RunningProgram.h"
#include "platform/linux/ProcFiles.h"
#include "platform/linux/WaitParts.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> readProcFile(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray text;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, got);
    const int error = errno;
    ::close(fd);
    errno = error;
    return got < 0 ? std::nullopt : std::optional<QByteArray>(text);
}

std::optional<ProcessStat> readProcessStat(qint64 pid, int *error)
{
    char path[40];
    std::snprintf(path, sizeof path, "/proc/%lld/stat", static_cast<long long>(pid));
    const std::optional<QByteArray> line = readProcFile(path);
    *error = errno;
    if (!line)
        return std::nullopt;
    // "1234 (name) S 1 ..." where the name may itself hold spaces and parentheses.
    const qsizetype open = line->indexOf('('), close = line->lastIndexOf(')');
    const QList<QByteArray> fields = line->mid(close + 2).split(' ');
    if (open < 0 || close < open || fields.size() < 20 || fields[0].isEmpty()) {
        *error = EIO;
        return std::nullopt;
    }
    return ProcessStat{QString::fromUtf8(line->mid(open + 1, close - open - 1)), fields[0][0],
                       fields[19].toULongLong(),                     // the 22nd: start time
                       (fields[6].toULongLong() & 0x00200000) != 0}; // PF_KTHREAD in flags
}

namespace {

// "/usr/bin/app (deleted)", as the kernel shows a file replaced or removed since: its path.
QString existing(const QString &path)
{
    return path.endsWith(QLatin1String(" (deleted)")) ? path.chopped(10) : path;
}

QString baseName(const QString &path)
{
    return path.section(u'/', -1);
}

// The kernel keeps 15 characters of a name: a name of 15 may be the start of a longer one.
bool isComm(const QString &comm, const QString &name)
{
    return !name.isEmpty() && (comm.size() >= 15 ? name.startsWith(comm) : name == comm);
}

enum class Interpreter
{
    None,
    Shell,  // -c runs what follows
    Python, // -c and -m
    Other   // -e, -E, -p: perl, ruby, node and the like
};

Interpreter interpreter(const QString &name)
{
    static const QRegularExpression shell(QStringLiteral("^(?:ba|da|z|k|mk|tc|c|fi|)sh$"));
    static const QRegularExpression python(QStringLiteral("^python[0-9.]*$"));
    static const QRegularExpression other(
        QStringLiteral("^(?:node|nodejs|Rscript|pwsh|(?:perl|ruby|php|lua|tclsh)[0-9.]*)$"));
    return shell.match(name).hasMatch()    ? Interpreter::Shell
           : python.match(name).hasMatch() ? Interpreter::Python
           : other.match(name).hasMatch()  ? Interpreter::Other
                                           : Interpreter::None;
}

// The script an interpreter runs: its first argument that is no option; none when it runs
// a program given inline, a module or what it reads from its input.
QString scriptOf(Interpreter kind, const QStringList &argv)
{
    // The letters after which a program or module follows, and those that take a value.
    const QString inlineLetters = kind == Interpreter::Shell    ? QStringLiteral("c")
                                  : kind == Interpreter::Python ? QStringLiteral("cm")
                                                                : QStringLiteral("eEp");
    const QString valueLetters = kind == Interpreter::Shell    ? QStringLiteral("oO")
                                 : kind == Interpreter::Python ? QStringLiteral("WX")
                                                               : QStringLiteral("rIM");
    for (qsizetype i = 1; i < argv.size(); ++i) {
        const QString &arg = argv[i];
        if (arg == QLatin1String("--"))
            return argv.value(i + 1);
        if (arg == QLatin1String("-") || arg == QLatin1String("--eval") ||
            arg == QLatin1String("--print"))
            return {};
        if (arg.startsWith(QLatin1String("--"))) {
            i += arg == QLatin1String("--require") ? 1 : 0;
            continue;
        }
        if (arg.isEmpty() || (arg[0] != u'-' && (kind != Interpreter::Shell || arg[0] != u'+')))
            return arg;
        // Short options run together as getopt reads them: "-lc", "-uc", "-Wignore".
        for (qsizetype j = 1; j < arg.size(); ++j) {
            if (inlineLetters.contains(arg[j]))
                return {};
            if (valueLetters.contains(arg[j])) {
                i += j == arg.size() - 1 ? 1 : 0;
                break;
            }
        }
    }
    return {};
}

} // namespace

ProgramNames programNames(const QString &comm, const QStringList &argv, const QString &exe)
{
    const QString file = baseName(existing(exe));
    QString first = baseName(argv.value(0));
    if (first.startsWith(u'-'))
        first.remove(0, 1); // a login shell's "-bash"
    QString script;
    if (!isComm(comm, first) && !isComm(comm, file)) {
        // A script started by its own name: the kernel names the process after it and
        // its interpreter comes first ("/bin/sh -e ./nightly-backup-job.sh").
        for (qsizetype i = 1; i < argv.size() && script.isEmpty(); ++i)
            if (isComm(comm, baseName(argv[i])))
                script = baseName(argv[i]);
    } else if (const Interpreter kind = interpreter(isComm(comm, first) ? first : file);
               kind != Interpreter::None) {
        // "python3 tools/job.py"; not what a shell reads from a pipe ("bash /dev/fd/63").
        const QString path = scriptOf(kind, argv);
        if (!path.startsWith(QLatin1String("/dev/")) && !path.startsWith(QLatin1String("/proc/")))
            script = baseName(path);
    }
    // Arguments rewritten into a title ("sshd: alice@pts/0") name nothing.
    if (script.isEmpty() && !isComm(comm, first) && first != file)
        first.clear();
    ProgramNames names;
    names.name = !script.isEmpty()     ? script
                 : isComm(comm, first) ? first
                 : isComm(comm, file)  ? file
                                       : comm;
    for (const QString &alias : {first, file, comm})
        if (!alias.isEmpty() && alias != names.name && !names.aliases.contains(alias))
            names.aliases << alias;
    return names;
}

namespace {
// The file a process runs, as its link reads; "" when it is not ours to know.
QString programFile(const char *exeLink)
{
    char target[4096];
    const ssize_t length = ::readlink(exeLink, target, sizeof target);
    return length > 0 ? QFile::decodeName(QByteArray(target, length)) : QString();
}
} // namespace

QList<RunningProgram> listRunningPrograms()
{
    const uid_t me = getuid();
    struct stat self;
    const bool selfKnown = ::stat("/proc/self/exe", &self) == 0;
    const QString selfFile = programFile("/proc/self/exe");
    QList<RunningProgram> programs;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return programs;
    while (const dirent *entry = ::readdir(proc)) {
        char *end = nullptr;
        const qint64 pid = std::strtoll(entry->d_name, &end, 10);
        int error = 0;
        const std::optional<ProcessStat> stat =
            pid > 0 && *end == '\0' ? readProcessStat(pid, &error) : std::nullopt;
        if (!stat || stat->kernelThread || stat->state == 'Z' || stat->state == 'X')
            continue;
        char path[48];
        std::snprintf(path, sizeof path, "/proc/%lld/exe", static_cast<long long>(pid));
        const QString exePath = programFile(path);
        // Every instance of this program, a command line's client handing its order over
        // included, is never a program to wait for: the same file, or one an update put in
        // its place since this one started.
        struct stat exe;
        if ((selfKnown && ::stat(path, &exe) == 0 && exe.st_dev == self.st_dev &&
             exe.st_ino == self.st_ino) ||
            (!exePath.isEmpty() && existing(exePath) == existing(selfFile)))
            continue;

        std::snprintf(path, sizeof path, "/proc/%lld/cmdline", static_cast<long long>(pid));
        QList<QByteArray> raw = readProcFile(path).value_or(QByteArray()).split('\0');
        if (raw.last().isEmpty())
            raw.removeLast();
        QStringList argv;
        for (const QByteArray &arg : std::as_const(raw))
            argv << QString::fromLocal8Bit(arg);

        // Whose it is: the real user, who started it even where it runs with another's rights.
        std::snprintf(path, sizeof path, "/proc/%lld/status", static_cast<long long>(pid));
        const QByteArray status = readProcFile(path).value_or(QByteArray());
        const qsizetype uid = status.indexOf("\nUid:");
        bool known = false;
        const qint64 owner =
            status.mid(uid + 5, 24).simplified().split(' ').value(0).toLongLong(&known);
        RunningProgram program;
        program.ownedByUser = uid >= 0 && known && owner == qint64(me);
        program.pid = pid;
        program.started = stat->started;
        ProgramNames names = programNames(stat->comm, argv, exePath);
        program.name = names.name;
        program.aliases = names.aliases;
        program.commandLine = argv.isEmpty() ? stat->comm : argv.join(u' ');
        programs << program;
    }
    ::closedir(proc);
    return programs;
}
