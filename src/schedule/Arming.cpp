#include "schedule/Clock.h"
#include "schedule/TickTimer.h"
#include "schedule/TimeNumber.h"
#include "ui/OptionButton.h"
#include "ui/Shutdown.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

#include <QPushButton>

void Shutdown::startButton_Click()
{
    if (startButton->property("Tag").toString().toInt() == 0)
        ArmTimer();
    else
        DisarmTimer();
}

void Shutdown::ArmTimer()
{
    const auto &row = Option2[0]->Value() ? Text2 : Text1;
    TargetTime = composeTargetTime(row[0]->text(), row[1]->text(), row[2]->text());
    if (TargetTime == 0)
        return;
    setStartButtonFace(tr("Stop"), tr("Stop timer"), QStringLiteral("1"));
    setEntryControlsEnabled(false);
    m_lastTimeCheck = m_services.clock->now();
    Timer1->setEnabled(true);
}

void Shutdown::DisarmTimer()
{
    setStartButtonFace(tr("Start"), tr("Start timer"), QStringLiteral("0"));
    TargetTime = 0;
    // The timer stops before anything is unlocked.
    Timer1->setEnabled(false);
    setEntryControlsEnabled(true);
}

void Shutdown::setStartButtonFace(const QString &caption, const QString &toolTip,
                                  const QString &tag)
{
    startButton->setText(caption);
    startButton->setToolTip(toolTip);
    startButton->setAccessibleName(caption);
    startButton->setAccessibleDescription(toolTip);
    startButton->setProperty("Tag", tag);
}

// Both rows, whatever the mode: the fields, the options, the spinners, then Force.
void Shutdown::setEntryControlsEnabled(bool enabled)
{
    for (auto *field : Text1)
        field->setEnabled(enabled);
    for (auto *field : Text2)
        field->setEnabled(enabled);
    for (auto *option : Option1)
        option->setEnabled(enabled);
    for (auto *option : Option2)
        option->setEnabled(enabled);
    for (auto *spinner : UpDown1)
        spinner->setEnabled(enabled);
    for (auto *spinner : UpDown2)
        spinner->setEnabled(enabled);
    Check1->setEnabled(enabled);
}
