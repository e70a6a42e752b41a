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
    startButton->setText(tr("Stop"));
    startButton->setToolTip(tr("Stop timer"));
    startButton->setAccessibleDescription(startButton->toolTip());
    startButton->setAccessibleName(startButton->text());
    startButton->setProperty("Tag", QStringLiteral("1"));
    for (auto *field : Text1)
        field->setEnabled(false);
    for (auto *field : Text2)
        field->setEnabled(false);
    for (auto *option : Option1)
        option->setEnabled(false);
    for (auto *option : Option2)
        option->setEnabled(false);
    for (auto *spinner : UpDown1)
        spinner->setEnabled(false);
    for (auto *spinner : UpDown2)
        spinner->setEnabled(false);
    Check1->setEnabled(false);
    m_lastTimeCheck = m_services.clock->now();
    Timer1->setEnabled(true);
}

void Shutdown::DisarmTimer()
{
    startButton->setText(tr("Start"));
    startButton->setToolTip(tr("Start timer"));
    startButton->setAccessibleDescription(startButton->toolTip());
    startButton->setAccessibleName(startButton->text());
    startButton->setProperty("Tag", QStringLiteral("0"));
    TargetTime = 0;
    Timer1->setEnabled(false);
    for (auto *field : Text1)
        field->setEnabled(true);
    for (auto *field : Text2)
        field->setEnabled(true);
    for (auto *option : Option1)
        option->setEnabled(true);
    for (auto *option : Option2)
        option->setEnabled(true);
    for (auto *spinner : UpDown1)
        spinner->setEnabled(true);
    for (auto *spinner : UpDown2)
        spinner->setEnabled(true);
    Check1->setEnabled(true);
}
