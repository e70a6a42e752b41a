#include "platform/linux/XdgAutostart.h"

#include "core/AppInfo.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

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

struct Entry
{
    enum State
    {
        Absent,
        Ours,
        TurnedOff,
        Foreign,
        Unreadable
    } state;
    QString exec;  // of our own entry
    QString error; // why it could not be read
};

// The file's [Desktop Entry] group, and whose it is.
Entry readEntry(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {Entry::Absent, {}, {}};
    if (!info.isFile() || info.size() > MaximumSize)
        return {Entry::Foreign, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Entry::Unreadable, {}, file.errorString()};
    QHash<QString, QString> keys;
    bool inGroup = false;
    const QStringList lines = QString::fromUtf8(file.read(MaximumSize)).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(u'[')) {
            inGroup = line.trimmed() == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0 && !line.startsWith(u'#'))
            keys.insert(line.left(equals).trimmed(),
                        unescaped(QStringView(line).mid(equals + 1).trimmed()));
    }
    if (keys.value(Mark) != QStringLiteral("true"))
        return {Entry::Foreign, {}, {}};
    if (keys.value(QStringLiteral("Hidden")) == QStringLiteral("true") ||
        keys.value(QStringLiteral("X-GNOME-Autostart-enabled")) == QStringLiteral("false"))
        return {Entry::TurnedOff, {}, {}};
    return {Entry::Ours, keys.value(QStringLiteral("Exec")), {}};
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
    return entry.state == Entry::Ours && entry.exec == execLine(m_program);
}

bool XdgAutostart::setEnabled(bool enabled, QString *error)
{
    const QString path = location();
    const Entry entry = readEntry(path);
    switch (entry.state) {
    case Entry::Unreadable:
        *error = tr("%1 cannot be read: %2.").arg(native(path), entry.error);
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
        if (!enabled)
            return true;
        break;
    case Entry::Ours:
        if (!enabled) {
            QFile file(path);
            if (file.remove())
                return true;
            *error = tr("%1 cannot be removed: %2.").arg(native(path), file.errorString());
            return false;
        }
        // Keys the user added (a delay, say) stay; only a moved program is written anew.
        if (entry.exec == execLine(m_program))
            return true;
        break;
    }

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = tr("The folder %1 cannot be created.").arg(native(folder));
        return false;
    }
    const QString text =
        QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%2\nExec=%3\n"
                       "TryExec=%4\nIcon=%5\nTerminal=false\nNoDisplay=true\n"
                       "X-GNOME-Autostart-enabled=true\n%6=true\n")
            .arg(escaped(AppInfo::title()),
                 escaped(tr("Starts Orvanta in the notification area while a repeating "
                            "schedule is on")),
                 escaped(execLine(m_program)), escaped(m_program), AppInfo::applicationId(), Mark);
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = tr("%1 cannot be written: %2.").arg(native(path), file.errorString());
        return false;
    }
    return true;
}

std::unique_ptr<Autostart> Platform::makeAutostart()
{
    return std::make_unique<XdgAutostart>(QCoreApplication::applicationFilePath());
}
