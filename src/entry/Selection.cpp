#include "ui/OptionButton.h"
#include "ui/Shutdown.h"
#include "ui/SystemColours.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

#include <QAction>

void Shutdown::setSettingsChanged(bool changed)
{
    // Set: Load first, then Save. Cleared after a save or a load: Save first, then Load.
    if (changed) {
        mnuLoad->setEnabled(true);
        mnuSave->setEnabled(true);
    } else {
        mnuSave->setEnabled(false);
        mnuLoad->setEnabled(false);
    }
}

void Shutdown::Option1_Click(int Index)
{
    for (int i = 0; i < 3; ++i)
        Option1[i]->setValue(i == Index);
    setSettingsChanged(true);
}

void Shutdown::applyRowState(std::array<TimeField *, 3> &fields, std::array<UpDown *, 3> &spinners,
                             bool active)
{
    for (auto *field : fields)
        field->setEnabled(active);
    for (auto *spinner : spinners)
        spinner->setEnabled(active);
    const QColor colour = SystemColour::resolve(
        active ? SystemColour::WindowBackground : SystemColour::ButtonFace, palette());
    for (auto *field : fields)
        field->setBackColor(colour);
}

void Shutdown::Option2_Click(int Index)
{
    // The time-of-day row is always handled first, as the user sees it change.
    const bool timeOfDay = Index == 0;
    Option2[0]->setValue(timeOfDay);
    applyRowState(Text2, UpDown2, timeOfDay);
    Option2[1]->setValue(!timeOfDay);
    applyRowState(Text1, UpDown1, !timeOfDay);
    setSettingsChanged(true);
}

void Shutdown::Check1_Click()
{
    setSettingsChanged(true);
}

void Shutdown::Text1_Change(int Index)
{
    Q_UNUSED(Index);
    setSettingsChanged(true);
}

void Shutdown::Text2_Change(int Index)
{
    Q_UNUSED(Index);
    setSettingsChanged(true);
}
