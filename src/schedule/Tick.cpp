#include "schedule/Clock.h"
#include "schedule/TimeNumber.h"
#include "ui/OptionButton.h"
#include "ui/Shutdown.h"
#include "ui/TimeField.h"

void Shutdown::Timer1_Timer()
{
    bool due = false;
    if (Option2[0]->Value()) {
        const QDateTime now = m_services.clock->now();
        due = timeOfDayDue(TargetTime, m_lastTimeCheck, now);
        m_lastTimeCheck = now;
    } else {
        const CountdownStep step =
            countdownStep({Text1[0]->text(), Text1[1]->text(), Text1[2]->text()});
        // Each write raises the field's change handler before the next one is made.
        for (const auto &[index, text] : step.writes)
            Text1[index]->setText(text);
        due = step.due;
    }
    if (!due)
        return;
    if (Option1[0]->Value())
        LogOffUser();
    else if (Option1[1]->Value())
        TurnOffComputer();
    else
        RestartComputer();
    Unload();
}
