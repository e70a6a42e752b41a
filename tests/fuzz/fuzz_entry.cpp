// libFuzzer target over the rules a user's text reaches: the field check, composing the
// target and the countdown step, and the reading of stored settings. Built by run-fuzz.sh.
//
// Input: one byte choosing the rule (and the field index), then up to three texts split
// at '\n'. Besides the sanitizers, each rule's own promises are checked; a broken promise
// aborts, which libFuzzer reports as a crash.

#include "entry/FieldCheck.h"
#include "entry/TimeText.h"
#include "schedule/TimeNumber.h"
#include "settings/SettingsMapping.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool promise, const char *what)
{
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

void fieldCheck(TimeRow row, int index, std::array<QString, 3> texts)
{
    const auto writes = checkField(row, index, texts);
    const double limits[3] = {double(hourLimit(row)), 59, 59};
    const auto value = parseTimeNumber(texts[index]);
    require(value && *value >= 0 && *value <= limits[index], "left field ends in range");
    for (const auto &w : writes) {
        require(w.index >= 0 && w.index <= index, "writes only the field or a lower one");
        require(parseTimeNumber(w.text).has_value(), "every written text is a number");
    }
    require(checkField(row, index, texts).empty(), "a second check writes nothing");
}

void numberRule(const QString &text)
{
    const auto value = parseTimeNumber(text);
    if (!value)
        return;
    require(std::isfinite(*value), "numbers are finite");
    const QString plain = plainDecimal(*value);
    require(!plain.contains(QLatin1Char('e')), "plain decimal has no exponent");
    const auto back = parseTimeNumber(plain);
    require(back && (*back == *value || *value == 0), "plain decimal reads back the same");
    const double whole = roundHalfEven(*value);
    require(whole == std::trunc(whole) && std::fabs(whole - *value) <= 0.5, "rounding");
}

void composing(const std::array<QString, 3> &texts)
{
    const int target = composeTargetTime(texts[0], texts[1], texts[2]);
    // Plain digits in range compose to hours * 10000 + minutes * 100 + seconds.
    bool plain = true;
    int parts[3] = {0, 0, 0};
    for (int i = 0; i < 3 && plain; ++i) {
        plain = !texts[i].isEmpty() && texts[i].size() <= 6;
        for (const QChar c : texts[i]) {
            plain = plain && c >= QLatin1Char('0') && c <= QLatin1Char('9');
            parts[i] = plain ? parts[i] * 10 + (c.unicode() - '0') : 0;
        }
        plain = plain && parts[i] <= (i == 0 ? 99 : 59);
    }
    if (plain)
        require(target == parts[0] * 10000 + parts[1] * 100 + parts[2], "composed target");

    const CountdownStep step = countdownStep(texts);
    require(!step.due || step.writes.empty(), "a due countdown writes nothing");
    for (const auto &[index, text] : step.writes) {
        require(index >= 0 && index <= 2, "countdown writes a field of the row");
        require(parseTimeNumber(text).has_value(), "countdown writes numbers");
    }
}

void storedSettings(const QString &text, int maximum)
{
    const int action = loadedAction(text);
    const int force = loadedForce(text);
    const int mode = loadedTimeSetting(text);
    require(action >= 0 && action <= 2 && force >= 0 && force <= 2 && mode >= 0 && mode <= 1,
            "loaded indices in range");
    const int spinner = loadedSpinnerValue(text, maximum);
    require(spinner >= 0 && spinner <= maximum, "spinner value in range");
    if (const auto whole = storedWholeNumber(text, maximum))
        require(*whole == spinner, "a stored whole number is the spinner value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QList<QByteArray> pieces = bytes.split('\n');
    std::array<QString, 3> texts;
    for (int i = 0; i < 3 && i < pieces.size(); ++i)
        texts[i] = QString::fromUtf8(pieces[i]);

    switch (selector % 4) {
    case 0:
        fieldCheck(selector & 4 ? TimeRow::TimeOfDay : TimeRow::Countdown, (selector >> 3) % 3,
                   texts);
        break;
    case 1:
        composing(texts);
        break;
    case 2:
        storedSettings(texts[0], (selector >> 2) % 2 ? 23 : (selector >> 3) % 2 ? 59 : 99);
        break;
    default:
        for (const QString &text : texts)
            numberRule(text);
        break;
    }
    return 0;
}
