#include "platform/linux/IniText.h"

#include "platform/linux/IniValues.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <map>
#include <utility>

namespace {

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// One line of the file as QSettings splits it, [start, end): a line break inside quotes or
// after a backslash does not end it, a ';' outside quotes does (a comment follows). `equals`
// is its first '=' outside quotes, or -1.
struct IniLine
{
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

class IniLines
{
public:
    explicit IniLines(QByteArrayView text) : m_text(text)
    {
        if (text.startsWith("\xef\xbb\xbf")) // a UTF-8 byte order mark
            m_at = 3;
    }

    bool next(IniLine *line)
    {
        const qsizetype size = m_text.size();
        qsizetype start = m_at;
        while (start < size && isSpace(m_text[start]))
            ++start;
        bool quoted = false;
        bool escaping = false;
        line->equals = -1;
        qsizetype i = start;
        while (i < size) {
            const char ch = m_text[i++];
            if (ch == '=') {
                if (!quoted && line->equals < 0)
                    line->equals = i - 1;
            } else if (ch == '"') {
                quoted = !quoted;
            } else if (ch == '\\') {
                // Takes the next byte, whatever it is; "\r\n" and "\n\r" count as one. At the
                // very end it would take what is added next: any byte, or the '\n' after '\r'.
                if (i == size) {
                    escaping = true;
                } else {
                    const char taken = m_text[i++];
                    if (i < size && ((taken == '\n' && m_text[i] == '\r') ||
                                     (taken == '\r' && m_text[i] == '\n')))
                        ++i;
                    else
                        escaping = i == size && taken == '\r';
                }
            } else if (ch == ';' && i == start + 1) { // a comment line
                while (i < size && m_text[i] != '\n' && m_text[i] != '\r')
                    ++i;
                while (i < size && isSpace(m_text[i]))
                    ++i;
                start = i;
            } else if ((ch == ';' || ch == '\n' || ch == '\r') && !quoted) {
                --i;
                break;
            }
        }
        if (i == size && i > start) {
            m_open = true;
            m_quoted = quoted;
            m_escaping = escaping;
        }
        m_at = i;
        *line = {start, i, line->equals};
        return i > start;
    }

    // What ends the text's last line so that more lines can follow: the line may run to the
    // end inside quotes or in an escape.
    QByteArray closing() const
    {
        if (m_open)
            return QByteArray(m_escaping ? "\n" : "") + (m_quoted ? "\"" : "") + '\n';
        return m_text.isEmpty() || m_text.endsWith('\n') || m_text.endsWith('\r') ? "" : "\n";
    }

private:
    QByteArrayView m_text;
    qsizetype m_at = 0;
    bool m_open = false;
    bool m_quoted = false;
    bool m_escaping = false;
};

// "%41", "%U00e9" and "\" (for '/') as QSettings writes a key or a group's name.
QString unescapedKey(QByteArrayView bytes)
{
    const QString key = QString::fromUtf8(bytes);
    QString result;
    result.reserve(key.size());
    for (qsizetype i = 0; i < key.size();) {
        if (key[i] == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (key[i] == u'%' && i + 1 < key.size()) {
            const bool wide = key[i + 1] == u'U';
            const qsizetype first = i + 1 + (wide ? 1 : 0);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const ushort code = first + digits <= key.size()
                                    ? QStringView(key).sliced(first, digits).toUShort(&ok, 16)
                                    : 0;
            if (ok) {
                result += QChar(code);
                i = first + digits;
                continue;
            }
        }
        result += key[i++];
    }
    return result;
}

QByteArray escapedKey(const QString &key)
{
    QByteArray result;
    for (const QChar ch : key) {
        const char16_t code = ch.unicode();
        if (code == u'/')
            result += '\\';
        else if ((code < 0x80 && ch.isLetterOrNumber()) || code == u'_' || code == u'-' ||
                 code == u'.')
            result += char(code);
        else if (code <= 0xFF)
            result += '%' + QByteArray::number(code, 16).toUpper().rightJustified(2, '0');
        else
            result += "%U" + QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
    }
    return result;
}

QString keyOf(QByteArrayView text, const IniLine &line)
{
    return unescapedKey(text.sliced(line.start, line.equals - line.start).trimmed());
}

// A group's name from its line "[name]".
QString groupOf(QByteArrayView line)
{
    const qsizetype close = line.indexOf(']');
    return unescapedKey(line.first(close < 0 ? line.size() : close).sliced(1).trimmed());
}

// Where the line that ends at `end` is over: past its comment and its line break.
qsizetype pastBreak(QByteArrayView text, qsizetype end)
{
    while (end < text.size() && text[end] != '\n' && text[end] != '\r')
        ++end;
    if (end < text.size())
        end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    return end;
}

// `text` without the lines of `keys` in the group (QSettings leaves no empty key behind).
QByteArray withoutKeys(QByteArrayView text, const QString &group, const QSet<QString> &keys)
{
    QByteArray out;
    qsizetype copied = 0;
    IniLines scan(text);
    bool ours = false;
    for (IniLine line; !keys.isEmpty() && scan.next(&line);) {
        const QByteArrayView bytes = text.sliced(line.start, line.end - line.start);
        if (bytes.startsWith('[')) {
            ours = groupOf(bytes) == group;
        } else if (ours && line.equals >= 0 && keys.contains(keyOf(text, line))) {
            out += text.sliced(copied, line.start - copied);
            copied = pastBreak(text, line.end);
        }
    }
    return out.append(text.sliced(copied));
}

} // namespace

QHash<QString, QString> IniText::parse(QByteArrayView text, const QString &group)
{
    QHash<QString, QString> values;
    IniLines lines(text);
    bool ours = false;
    for (IniLine line; lines.next(&line);) {
        const QByteArrayView bytes = text.sliced(line.start, line.end - line.start);
        if (bytes.startsWith('[')) {
            ours = groupOf(bytes) == group;
        } else if (ours && line.equals >= 0) {
            // "a\b" is a key of a group inside ours
            const QString key = keyOf(text, line);
            if (!key.contains(u'/'))
                values.insert(
                    key, IniValues::text(text.sliced(line.equals + 1, line.end - line.equals - 1)));
        }
    }
    return values;
}

// Only the lines of our group's keys change. QSettings wrote groups and keys sorted by name:
// a new key goes where it sorts among ours, a new group where it sorts among the groups, so a
// file this program wrote before comes out as QSettings would have written it.
QByteArray IniText::merged(QByteArrayView original, const QString &group,
                           const SettingsStore::Entries &entries)
{
    struct Line
    {
        QByteArray text;
        bool present = false;
    };
    std::map<QString, Line> lines;
    QSet<QString> removed;
    for (const auto &[key, value] : entries) {
        if (value)
            lines[key] = {escapedKey(key) + '=' + IniValues::escaped(*value)};
        else
            removed.insert(key);
    }
    const QByteArray kept = withoutKeys(original, group, removed);
    const QByteArrayView text = kept;
    if (lines.empty())
        return kept;

    bool found = false;    // our group is there
    qsizetype before = -1; // the first group that sorts after ours
    IniLines scan(text);
    bool ours = false;
    for (IniLine line; scan.next(&line);) {
        const QByteArrayView bytes = text.sliced(line.start, line.end - line.start);
        if (bytes.startsWith('[')) {
            const QString name = groupOf(bytes);
            ours = name == group;
            found = found || ours;
            if (before < 0 && group < name)
                before = line.start;
        } else if (ours && line.equals >= 0) {
            if (const auto it = lines.find(keyOf(text, line)); it != lines.end())
                it->second.present = true;
        }
    }
    if (!found) {
        const qsizetype at = before < 0 ? text.size() : before;
        QByteArray block = '[' + escapedKey(group) + "]\n";
        for (const auto &[key, line] : lines)
            block += line.text + '\n';
        QByteArray head = text.first(at).toByteArray();
        if (before < 0 && !head.isEmpty())
            head += scan.closing() + '\n';
        else if (before >= 0)
            block += '\n';
        return head + block + text.sliced(at).toByteArray();
    }

    QByteArray out;
    out.reserve(text.size() + 64 * qsizetype(lines.size()));
    qsizetype copied = 0;
    const auto copyTo = [&](qsizetype at) {
        out += text.sliced(copied, at - copied);
        copied = at;
    };
    auto pending = lines.begin(); // the next new key
    const auto skipPresent = [&] {
        while (pending != lines.end() && pending->second.present)
            ++pending;
    };
    skipPresent();
    // The new keys left go on the lines after the group's last key (or its name), past its
    // comment and its line break (a backslash just before the break may take a break added in
    // front of it). That line may be the last of the file and end inside quotes.
    const auto writeRest = [&](qsizetype after, bool rewritten) {
        if (pending == lines.end())
            return;
        const qsizetype at = pastBreak(text, after);
        copyTo(at);
        if (at == text.size())
            out += after == at && rewritten ? QByteArray("\n") : scan.closing();
        for (; pending != lines.end(); ++pending, skipPresent())
            out += pending->second.text + '\n';
    };
    IniLines rescan(text);
    bool first = false; // in the first of our groups
    qsizetype after = -1;
    bool rewritten = false;
    ours = false;
    for (IniLine line; rescan.next(&line);) {
        const QByteArrayView bytes = text.sliced(line.start, line.end - line.start);
        if (bytes.startsWith('[')) {
            if (first)
                writeRest(after, rewritten);
            ours = groupOf(bytes) == group;
            first = ours && after < 0;
            if (first) {
                after = line.end;
                rewritten = false;
            }
            continue;
        }
        if (!ours || line.equals < 0)
            continue;
        const QString key = keyOf(text, line);
        for (; first && pending != lines.end() && pending->first < key; ++pending, skipPresent()) {
            copyTo(line.start);
            out += pending->second.text + '\n';
        }
        const auto it = lines.find(key);
        if (it != lines.end()) {
            copyTo(line.start);
            out += it->second.text;
            copied = line.end;
        }
        if (first) {
            after = line.end;
            rewritten = it != lines.end();
        }
    }
    if (first)
        writeRest(after, rewritten);
    copyTo(text.size());
    return out;
}
