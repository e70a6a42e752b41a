#include "platform/linux/IniValues.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <algorithm>

namespace {

// The one-letter escapes of QSettings' text; the last two are only ever read.
constexpr char Escapes[][2] = {{'a', '\a'},  {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                               {'r', '\r'},  {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                               {'\\', '\\'}, {'?', '?'},  {'\'', '\''}};

int digitValue(char ch, int base)
{
    const int value = ch >= '0' && ch <= '9'   ? ch - '0'
                      : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                      : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                               : base;
    return value < base ? value : -1;
}

// The two marks QSettings put on a text of this program: a leading '@' doubled, and
// "@String(…)" around a text that holds a NUL. Anything else starting with '@' is the text
// it is.
QString unmarked(const QString &text)
{
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')'))
        return text.sliced(8).chopped(1);
    return text.startsWith(QLatin1String("@@")) ? text.sliced(1) : text;
}

} // namespace

// Unescaped as QSettings does: "\n", "\x41", "\101", a backslash before a line break
// continuing the line, quotes that keep spaces and commas, and unquoted commas that make a
// list, joined again with ", ". Spaces around an unquoted item are dropped, except after an
// escape or when the value ends inside one.
QString IniValues::text(QByteArrayView bytes)
{
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    QStringList items;
    bool list = false;
    QString text;
    bool quoted = false;    // inside quotes
    bool hadQuotes = false; // the item had quotes: its trailing spaces stay
    bool cut = true;        // false when the value ends inside an escape
    qsizetype keep = 0;     // trailing spaces before this length stay
    qsizetype i = 0;
    const qsizetype size = bytes.size();
    const auto skipSpaces = [&] {
        while (i < size && (bytes[i] == ' ' || bytes[i] == '\t'))
            ++i;
        keep = text.size();
    };
    const auto cutSpaces = [&] {
        qsizetype n = text.size();
        while (n > keep && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
            --n;
        text.truncate(n);
    };
    skipSpaces();
    while (i < size) {
        const char ch = bytes[i];
        if (ch == '\\') {
            if (++i == size) {
                cut = false;
                break;
            }
            const char escaped = bytes[i++];
            const auto *name = std::find_if(std::begin(Escapes), std::end(Escapes),
                                            [&](const char *e) { return e[0] == escaped; });
            const int base = escaped == 'x' ? 16 : digitValue(escaped, 8) >= 0 ? 8 : 0;
            if (name != std::end(Escapes)) {
                text += QLatin1Char((*name)[1]);
            } else if (base == 16 && i == size) {
                cut = false;
                break;
            } else if (base == 8 || (base == 16 && digitValue(bytes[i], 16) >= 0)) {
                char16_t code = base == 8 ? char16_t(escaped - '0') : 0;
                for (int digit; i < size && (digit = digitValue(bytes[i], base)) >= 0; ++i)
                    code = char16_t(code * base + digit);
                text += QChar(code);
                if (i == size) {
                    cut = false;
                    break;
                }
            } else if ((escaped == '\n' || escaped == '\r') && i < size &&
                       (bytes[i] == '\n' || bytes[i] == '\r') && bytes[i] != escaped) {
                ++i; // an escaped "\r\n" continues the line; any other byte is dropped
            }
            keep = text.size();
        } else if (ch == '"') {
            ++i;
            hadQuotes = true;
            quoted = !quoted;
            if (!quoted)
                skipSpaces();
        } else if (ch == ',' && !quoted) {
            if (!hadQuotes)
                cutSpaces();
            list = true;
            items.append(std::exchange(text, {}));
            hadQuotes = false;
            ++i;
            skipSpaces();
        } else {
            qsizetype end = i + 1;
            while (end < size && bytes[end] != '\\' && bytes[end] != '"' && bytes[end] != ',')
                ++end;
            text += fromUtf8(bytes.sliced(i, end - i));
            i = end;
        }
    }
    if (cut && !hadQuotes)
        cutSpaces();
    if (!list)
        return unmarked(text);
    items.append(text);
    for (QString &item : items)
        item = unmarked(item);
    return items.join(QLatin1String(", "));
}

// The text as QSettings wrote it, so that it reads back the same.
QByteArray IniValues::escaped(const QString &value)
{
    const QString text = value.contains(QChar::Null) ? QLatin1String("@String(") + value + u')'
                         : value.startsWith(u'@')    ? u'@' + value
                                                     : value;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    QByteArray result;
    result.reserve(text.size() + 2);
    bool quote = false;
    bool hexAfter = false; // a hex digit after "\0" or "\x1" would be read as part of it
    for (const QChar &qch : text) {
        const char16_t ch = qch.unicode();
        quote = quote || ch == u';' || ch == u',' || ch == u'=';
        if (hexAfter && ch < 0x80 && digitValue(char(ch), 16) >= 0) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        hexAfter = false;
        // Of the escapes QSettings reads, it writes all but "\?" and "\'".
        const auto *name = std::find_if(std::begin(Escapes), std::end(Escapes) - 2,
                                        [&](const char *e) { return e[1] == char(ch); });
        if (ch == 0) {
            result += "\\0";
            hexAfter = true;
        } else if (ch < 0x80 && name != std::end(Escapes) - 2) {
            result += '\\';
            result += (*name)[0];
        } else if (ch <= 0x1F || ch == 0xFEFF) { // a reader takes U+FEFF first for a BOM
            result += "\\x" + QByteArray::number(ch, 16);
            hexAfter = true;
        } else {
            result += toUtf8(QStringView(&qch, 1));
        }
    }
    if (quote || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}
