// libFuzzer target over the rules a typed time field reaches. The first byte chooses the rule
// (bits 0-1), the row (bit 2) and the field (bits 3-4); up to three texts follow, split at
// '\n'. One rule per input: every rule on every input cost three times as much per run.
#include "Promise.h"
#include "core/FieldCheck.h"
#include "core/TimeRules.h"
#include "core/TimeText.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const auto parts =
        QByteArray(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1)).split('\n');
    std::array<QString, 3> texts;
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        texts[i] = QString::fromUtf8(parts[i]);
    const TimeMode row = data[0] & 4 ? TimeMode::TimeOfDay : TimeMode::Countdown;
    const bool countdown = row == TimeMode::Countdown;
    const int index = (data[0] >> 3) % 3;
    const int rule = data[0] & 3;
    if (rule == 0) {
        const auto value = TimeText::parseTimeNumber(texts[0]);
        const auto back = value ? TimeText::parseTimeNumber(TimeText::plainDecimal(*value)) : value;
        require(!value || (std::isfinite(*value) && back && (*back == *value || *value == 0)),
                "read back");
    } else if (rule == 1) {
        // A negative target needs a minus sign in front; one further in joins to no number.
        const int target = TimeRules::composeTargetTime(texts[0], texts[1], texts[2]);
        require(target >= 0 || texts[0].contains(QLatin1Char('-')), "composed target");
        // What arms is counted as whole hours, minutes and seconds, kept as they are.
        const auto whole = !target ? std::nullopt
                                   : (countdown ? TimeRules::wholeCountdown(texts)
                                                : TimeRules::wholeTimeOfDay(texts));
        if (whole) {
            const auto &w = *whole;
            require(TimeText::timeNumberOrZero(w[1]) <= 59 &&
                        TimeText::timeNumberOrZero(w[2]) <= 59 &&
                        (countdown ? TimeRules::wholeCountdown(w) == whole &&
                                         !TimeRules::countdownStep(w).due
                                   : TimeRules::wholeTimeOfDay(w) == whole &&
                                         TimeRules::isTimeOfDay(
                                             TimeRules::composeTargetTime(w[0], w[1], w[2]))),
                    "whole time");
        }
    } else if (rule == 2) {
        const TimeRules::CountdownStep step = TimeRules::countdownStep(texts);
        require(!step.due || step.writes.empty(), "a due countdown writes nothing");
    } else {
        const auto writes = FieldCheck::checkField(row, index, texts);
        const auto left = TimeText::parseTimeNumber(texts[index]);
        require(left && *left >= 0 && *left <= (index ? 59 : FieldCheck::hourLimit(row)),
                "left in range");
        for (const FieldCheck::FieldWrite &write : writes)
            require(write.index <= index && TimeText::parseTimeNumber(write.text),
                    "writes leftwards");
        require(FieldCheck::checkField(row, index, texts).empty(), "a second check writes nothing");
    }
    return 0;
}
