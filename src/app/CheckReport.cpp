#include "app/CheckReport.h"

#include "core/AwakeHold.h"
#include "core/WakeAlarm.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// The exit status of a check that was answered.
constexpr int Done = 0;

void printLines(const QString &text)
{
    if (!text.isEmpty())
        Platform::print(Platform::StandardStream::Output, text + u'\n');
}

// The last line of --check: what keeps the computer awake while armed, found by taking the
// hold and letting it go at once.
void printAwakeHold(AwakeHold &awake)
{
    QObject::connect(&awake, &AwakeHold::changed, &awake, [&awake] {
        if (awake.holder().isEmpty() && awake.problem().isEmpty())
            return;
        printLines(QCoreApplication::translate("main", "Keep awake: %1")
                       .arg(awake.problem().isEmpty() ? awake.holder()
                                                      : QStringLiteral("no: ") + awake.problem()));
        QObject::disconnect(&awake, &AwakeHold::changed, nullptr, nullptr);
        awake.release([] { QCoreApplication::exit(Done); });
    });
    awake.hold(QCoreApplication::translate("main", "Checking what keeps the computer awake"));
}

} // namespace

namespace CheckReport {

Capabilities askCapabilities(PowerRequester &power, WakeAlarm &wake, QString *wakeWhyNot)
{
    Capabilities answer{};
    QTimer::singleShot(0, [&power, &wake, &answer, wakeWhyNot] {
        power.probe([&wake, &answer, wakeWhyNot](const Capabilities &capabilities) {
            answer = capabilities;
            wake.probe([wakeWhyNot](const QString &whyNot) {
                *wakeWhyNot = whyNot;
                QCoreApplication::exit(Done);
            });
        });
    });
    QCoreApplication::exec();
    return answer;
}

int printCapabilities(PowerRequester &power, WakeAlarm &wake, AwakeHold &awake)
{
    // Asked from inside the event loop: an answer given at once must still end it.
    QTimer::singleShot(0, [&power, &wake, &awake] {
        power.probe([&wake, &awake](const Capabilities &capabilities) {
            QString text;
            for (Action action : AllActions) {
                if (!isPowerAction(action))
                    continue;
                const Capability &c = capabilities[static_cast<std::size_t>(action)];
                text +=
                    QStringLiteral("%1 (%2): %3\n")
                        .arg(PowerTexts::actionCaption(action), PowerTexts::actionOption(action),
                             c.possible ? QStringLiteral("yes")
                                        : QStringLiteral("no: ") + c.reason);
            }
            wake.probe([text, &awake](const QString &whyNot) {
                printLines(text + QStringLiteral("%1 (--wake): %2")
                                      .arg(QCoreApplication::translate("main", "Wake the computer"),
                                           whyNot.isEmpty() ? QStringLiteral("yes")
                                                            : QStringLiteral("no: ") + whyNot));
                printAwakeHold(awake);
            });
        });
    });
    return QCoreApplication::exec();
}

} // namespace CheckReport
