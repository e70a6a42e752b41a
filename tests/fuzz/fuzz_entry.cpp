// libFuzzer target over the texts a user or a stored file hands the program: a byte for the
// row and field, then up to three texts split at '\n'. A broken promise aborts like a crash.
#include "core/FieldCheck.h"
#include "core/Settings.h"
#include "core/TimeText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

static void require(bool promise, const char *what)
{
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1)).split('\n');
    std::array<QString, 3> texts;
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        texts[i] = QString::fromUtf8(parts[i]);
    const TimeMode row = data[0] & 4 ? TimeMode::TimeOfDay : TimeMode::Countdown;
    const int index = (data[0] >> 3) % 3;

    if (const auto value = parseTimeNumber(texts[0])) {
        const auto back = parseTimeNumber(plainDecimal(*value));
        require(std::isfinite(*value) && back && (*back == *value || *value == 0), "read back");
    }
    // A negative target needs a minus sign in front; one further in joins to no number.
    const int target = composeTargetTime(texts[0], texts[1], texts[2]);
    require(target >= 0 || texts[0].contains('-'), "composed target");
    // A countdown that arms is counted as whole hours, minutes and seconds, kept as they are.
    if (const auto whole = target ? wholeCountdown(texts) : std::nullopt)
        require(timeNumberOrZero((*whole)[1]) <= 59 && timeNumberOrZero((*whole)[2]) <= 59 &&
                    wholeCountdown(*whole) == whole && !countdownStep(*whole).due,
                "whole countdown");
    const CountdownStep step = countdownStep(texts);
    require(!step.due || step.writes.empty(), "a due countdown writes nothing");

    // What a stored file may hold, as the settings are loaded.
    const int action = loadedAction(texts[2]), force = loadedForce(texts[2]);
    require(action >= 0 && action <= 2 && force >= 0 && force <= 2 &&
                (loadedTimeSetting(texts[2]) & ~1) == 0,
            "loaded choices in range");
    const int spinner = loadedSpinnerValue(texts[2], 59);
    require(spinner >= 0 && spinner <= 59, "spinner value in range");

    const auto writes = checkField(row, index, texts);
    const auto left = parseTimeNumber(texts[index]);
    require(left && *left >= 0 && *left <= (index ? 59 : hourLimit(row)), "left in range");
    for (const FieldWrite &write : writes)
        require(write.index <= index && parseTimeNumber(write.text), "writes numbers leftwards");
    require(checkField(row, index, texts).empty(), "a second check writes nothing");
    return 0;
}
