#include "platform/linux/XdgAutostart.h"

#include "core/AppInfo.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const QString Mark = QStringLiteral("X-Orvanta-Autostart");
// An entry is a few hundred bytes; anything far larger is not ours.
constexpr qint64 MaximumSize = 64 * 1024;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// An argument of the Exec line, always quoted: inside the quotes ", `, $ and \ take a
// backslash, and a literal % is doubled (it starts a field code anywhere).
QString quoted(const QString &argument)
{
    QString text = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            text += u'\\';
        if (c == u'%')
            text += u'%';
        text += c;
    }
    return text + u'"';
}

QString execLine(const QString &program)
{
    // WORKAROUND: GLib (GNOME's session and others) looks for the program before it turns
    // %% back into %, so it never finds a path with a %: the shell starts that one, the path
    // its argument, where %% is undone as it should be.
    if (program.contains(u'%'))
        return QStringLiteral("/bin/sh -c ") + quoted(QStringLiteral("exec \"$0\" --autostart")) +
               u' ' + quoted(program);
    return quoted(program) + QStringLiteral(" --autostart");
}

// A value as the file holds it: the string escapes are undone by the reader before the Exec
// line's own quoting, so each backslash of the line is doubled once more.
QString escaped(const QString &value)
{
    QString text;
    for (const QChar c : value) {
        if (c == u'\\')
            text += QStringLiteral("\\\\");
        else if (c == u'\n')
            text += QStringLiteral("\\n");
        else if (c == u'\t')
            text += QStringLiteral("\\t");
        else if (c == u'\r')
            text += QStringLiteral("\\r");
        else
            text += c;
    }
    return text;
}

QString unescaped(QStringView value)
{
    static const QHash<QChar, QChar> escapes{
        {u's', u' '}, {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}, {u'\\', u'\\'}};
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size() && escapes.contains(value[i + 1]))
            text += escapes.value(value[++i]);
        else
            text += value[i];
    }
    return text;
}

// Set beside Hidden=true when Orvanta turns off an entry the user changed, so that Orvanta
// turns it on again and leaves alone one the user turned off.
const QString HiddenMark = QStringLiteral("X-Orvanta-Hidden");
const QString Group = QStringLiteral("[Desktop Entry]");

struct Entry
{
    enum State
    {
        Absent,
        Ours,
        HiddenByUs,
        TurnedOff,
        Link,
        Foreign,
        Unreadable
    } state;
    QString detail;  // Unreadable: why; Link: where it leads
    QByteArray text; // the whole file, of our own entry
    QHash<QString, QString> keys;
};

// The file's [Desktop Entry] group, and whose it is.
Entry readEntry(const QString &path)
{
    const QFileInfo info(path);
    // A link is the user's arrangement: what it leads to, even nothing, was not made here.
    if (info.isSymLink())
        return {Entry::Link, info.symLinkTarget(), {}, {}};
    if (!info.exists())
        return {Entry::Absent, {}, {}, {}};
    if (!info.isFile() || info.size() > MaximumSize)
        return {Entry::Foreign, {}, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Entry::Unreadable, file.errorString(), {}, {}};
    Entry entry{Entry::Foreign, {}, file.read(MaximumSize), {}};
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(entry.text).split(u'\n')) {
        if (line.startsWith(u'[')) {
            inGroup = line.trimmed() == Group;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0 && !line.startsWith(u'#'))
            entry.keys.insert(line.left(equals).trimmed(),
                              unescaped(QStringView(line).mid(equals + 1).trimmed()));
    }
    const auto is = [&entry](const QString &key, const char *value) {
        return entry.keys.value(key) == QLatin1String(value);
    };
    if (!is(Mark, "true"))
        entry.state = Entry::Foreign;
    else if (is(QStringLiteral("X-GNOME-Autostart-enabled"), "false") ||
             (is(QStringLiteral("Hidden"), "true") && !is(HiddenMark, "true")))
        entry.state = Entry::TurnedOff;
    else if (is(QStringLiteral("Hidden"), "true"))
        entry.state = Entry::HiddenByUs;
    else
        entry.state = Entry::Ours;
    return entry;
}

// Whether the entry starts `program`: with the Exec line Orvanta writes, or with one the user
// wrote instead (it is not what Orvanta writes for the program TryExec names), which stays.
bool starts(const Entry &entry, const QString &program)
{
    const QString exec = entry.keys.value(QStringLiteral("Exec"));
    return exec == execLine(program) ||
           (!exec.isEmpty() && exec != execLine(entry.keys.value(QStringLiteral("TryExec"))));
}

QByteArray entryText(const QString &program)
{
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%2\nExec=%3\n"
                          "TryExec=%4\nIcon=%5\nTerminal=false\nNoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n%6=true\n")
        .arg(escaped(AppInfo::title()),
             escaped(XdgAutostart::tr("Starts Orvanta in the notification area while a "
                                      "repeating schedule is on")),
             escaped(execLine(program)), escaped(program), AppInfo::applicationId(), Mark)
        .toUtf8();
}

// The file with `key` set to `value` in its group (replaced where it is, or added at the
// group's end) or, with a null value, taken out; every other line stays as it was.
QByteArray withKey(const QByteArray &text, const QString &key, const QString &value)
{
    QStringList lines = QString::fromUtf8(text).split(u'\n');
    const auto group = std::find_if(lines.cbegin(), lines.cend(), [](const QString &line) {
        return line.startsWith(u'[') && line.trimmed() == Group;
    });
    const qsizetype begin = group - lines.cbegin(); // there: the mark was read in it
    qsizetype end = begin + 1;
    for (; end < lines.size() && !lines.at(end).startsWith(u'['); ++end) {
        const qsizetype equals = lines.at(end).indexOf(u'=');
        if (equals > 0 && !lines.at(end).startsWith(u'#') &&
            lines.at(end).left(equals).trimmed() == key) {
            if (value.isNull())
                lines.removeAt(end);
            else
                lines[end] = key + u'=' + escaped(value);
            return lines.join(u'\n').toUtf8();
        }
    }
    while (end - 1 > begin && lines.at(end - 1).trimmed().isEmpty())
        --end;
    if (!value.isNull())
        lines.insert(end, key + u'=' + escaped(value));
    return lines.join(u'\n').toUtf8();
}

QString linkError(const QString &path, const QString &target)
{
    return XdgAutostart::tr("%1 is a link to %2 and is left as it is: remove the link to let "
                            "Orvanta start with your session.")
        .arg(native(path), native(target));
}

// Written beside the entry and renamed over it, so the session never reads half of one; never
// through or over a link. `replace` says whether our own file is there to be replaced.
bool writeEntry(const QString &path, const QByteArray &text, bool replace, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = XdgAutostart::tr("The folder %1 cannot be created.").arg(native(folder));
        return false;
    }
    QTemporaryFile file(QDir(folder).filePath(u'.' + QFileInfo(path).fileName()));
    const QFileDevice::Permissions permissions =
        replace ? QFileInfo(path).permissions()
                : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                      QFileDevice::ReadOther;
    const QByteArray target = QFile::encodeName(path);
    const auto failed = [&](const QString &reason) {
        *error = XdgAutostart::tr("%1 cannot be written: %2.").arg(native(path), reason);
        return false;
    };
    if (!file.open() || file.write(text) != text.size() || !file.flush() ||
        !file.setPermissions(permissions))
        return failed(file.errorString());
    if (::fsync(file.handle()) != 0)
        return failed(qt_error_string(errno));
    const QByteArray source = QFile::encodeName(file.fileName());
    if (!replace) {
        // link() puts nothing where anything is, not even a link to nothing.
        if (::link(source.constData(), target.constData()) == 0)
            return true;
        const int reason = errno;
        if (reason != EEXIST || !QFileInfo(path).isSymLink())
            return failed(qt_error_string(reason));
        *error = linkError(path, QFileInfo(path).symLinkTarget());
        return false;
    }
    struct stat status = {};
    if (::lstat(target.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        *error = linkError(path, QFileInfo(path).symLinkTarget());
        return false;
    }
    if (::rename(source.constData(), target.constData()) != 0)
        return failed(qt_error_string(errno));
    file.setAutoRemove(false);
    return true;
}

} // namespace

XdgAutostart::XdgAutostart(QString program) : m_program(std::move(program)) {}

QString XdgAutostart::location() const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/") + AppInfo::applicationId() +
                  QStringLiteral(".desktop"));
}

bool XdgAutostart::isEnabled() const
{
    const Entry entry = readEntry(location());
    return entry.state == Entry::Ours && starts(entry, m_program);
}

bool XdgAutostart::setEnabled(bool enabled, QString *error)
{
    const QString path = location();
    const Entry entry = readEntry(path);
    switch (entry.state) {
    case Entry::Unreadable:
        *error = tr("%1 cannot be read: %2.").arg(native(path), entry.detail);
        return false;
    case Entry::Link:
        // Not ours to change or remove, whatever it leads to.
        if (!enabled)
            return true;
        *error = linkError(path, entry.detail);
        return false;
    case Entry::Foreign:
        // Whoever wrote it keeps it; with schedules off nothing of ours is left to remove.
        if (!enabled)
            return true;
        *error = tr("%1 was not written by Orvanta and is left as it is: remove it to let "
                    "Orvanta start with your session.")
                     .arg(native(path));
        return false;
    case Entry::TurnedOff:
        // Off is what schedules off want too, and removing it could bring back a
        // system-wide entry that it hides.
        if (!enabled)
            return true;
        *error = tr("Starting Orvanta with your session is turned off in your desktop's "
                    "settings (%1): turn it on there.")
                     .arg(native(path));
        return false;
    case Entry::Absent:
        return !enabled || writeEntry(path, entryText(m_program), false, error);
    case Entry::HiddenByUs:
    case Entry::Ours:
        break;
    }

    const bool hidden = entry.state == Entry::HiddenByUs;
    if (!enabled) {
        if (hidden)
            return true;
        // Only what Orvanta wrote, unchanged, goes: the user's changes stay, hidden with it.
        if (entry.text != entryText(entry.keys.value(QStringLiteral("TryExec")))) {
            const QByteArray text =
                withKey(entry.text, QStringLiteral("Hidden"), QStringLiteral("true"));
            return writeEntry(path, withKey(text, HiddenMark, QStringLiteral("true")), true, error);
        }
        QFile file(path);
        if (file.remove())
            return true;
        *error = tr("%1 cannot be removed: %2.").arg(native(path), file.errorString());
        return false;
    }
    if (!hidden && starts(entry, m_program))
        return true;
    QByteArray text = entry.text;
    if (hidden)
        text = withKey(withKey(text, QStringLiteral("Hidden"), {}), HiddenMark, {});
    // Of the user's lines only an Exec Orvanta wrote for a program since moved is replaced.
    if (!starts(entry, m_program))
        text = withKey(withKey(text, QStringLiteral("Exec"), execLine(m_program)),
                       QStringLiteral("TryExec"), m_program);
    return writeEntry(path, text, true, error);
}

std::unique_ptr<Autostart> Platform::makeAutostart()
{
    return std::make_unique<XdgAutostart>(QCoreApplication::applicationFilePath());
}
