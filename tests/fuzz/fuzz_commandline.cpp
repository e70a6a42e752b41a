// libFuzzer target over a script's command line, the arguments split at '\0': a command is
// refused with a reason, or it is one thing to do with the fields a Start would accept.
#include "Promise.h"
#include "core/CommandLine.h"
#include "core/TimeRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QStringLiteral("orvanta")};
    for (const QByteArray &part :
         QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0'))
        arguments.append(QString::fromUtf8(part));
    const Command command = parseCommandLine(arguments, false);
    if (!command.error.isEmpty()) {
        require(!command.arm && !command.cancel && !command.show, "a refusal does nothing");
    } else if (const auto &arm = command.arm) {
        const auto &f = arm->fields;
        const int target = TimeRules::composeTargetTime(f[0], f[1], f[2]);
        require(!command.cancel && target > 0, "arms something");
        require(arm->mode == TimeMode::Countdown
                    ? TimeRules::wholeCountdown(f) == f
                    : TimeRules::isTimeOfDay(target) && TimeRules::wholeTimeOfDay(f) == f,
                "arms whole fields in range");
    }
    return 0;
}
