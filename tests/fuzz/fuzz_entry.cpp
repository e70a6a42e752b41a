// libFuzzer target over the rules a typed time field reaches. The first byte chooses the rule
// (bits 0-1), the row (bit 2) and the field (bits 3-4); up to three texts follow, split at
// '\n'. One rule per input keeps a run cheap: every rule on every input cost three times as
// much per run and found nothing more.
#include "Promise.h"
#include "core/FieldCheck.h"
#include "core/TimeRules.h"
#include "core/TimeText.h"

#include <QByteArray>
#include <QList>

#include <cmath>

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

    switch (data[0] & 3) {
    case 0:
        if (const auto value = parseTimeNumber(texts[0])) {
            const auto back = parseTimeNumber(plainDecimal(*value));
            require(std::isfinite(*value) && back && (*back == *value || *value == 0), "read back");
        }
        break;
    case 1: {
        // A negative target needs a minus sign in front; one further in joins to no number.
        const int target = composeTargetTime(texts[0], texts[1], texts[2]);
        require(target >= 0 || texts[0].contains(QLatin1Char('-')), "composed target");
        // What arms is counted as whole hours, minutes and seconds, kept as they are.
        const auto whole = !target                      ? std::nullopt
                           : row == TimeMode::Countdown ? wholeCountdown(texts)
                                                        : wholeTimeOfDay(texts);
        if (whole) {
            const int wholeTarget = composeTargetTime((*whole)[0], (*whole)[1], (*whole)[2]);
            require(timeNumberOrZero((*whole)[1]) <= 59 && timeNumberOrZero((*whole)[2]) <= 59 &&
                        (row == TimeMode::Countdown
                             ? wholeCountdown(*whole) == whole && !countdownStep(*whole).due
                             : wholeTimeOfDay(*whole) == whole && isTimeOfDay(wholeTarget)),
                    "whole time");
        }
        break;
    }
    case 2: {
        const CountdownStep step = countdownStep(texts);
        require(!step.due || step.writes.empty(), "a due countdown writes nothing");
        break;
    }
    case 3: {
        const auto writes = checkField(row, index, texts);
        const auto left = parseTimeNumber(texts[index]);
        require(left && *left >= 0 && *left <= (index ? 59 : hourLimit(row)), "left in range");
        for (const FieldWrite &write : writes)
            require(write.index <= index && parseTimeNumber(write.text), "writes leftwards");
        require(checkField(row, index, texts).empty(), "a second check writes nothing");
        break;
    }
    }
    return 0;
}
