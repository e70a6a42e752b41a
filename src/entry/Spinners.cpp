#include "ui/Shutdown.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

// One direction only: a spinner writes its value into its field; nothing writes back.
void Shutdown::UpDown1_Change(int Index)
{
    Text1[Index]->setText(QString::number(UpDown1[Index]->value()));
    setSettingsChanged(true);
}

void Shutdown::UpDown2_Change(int Index)
{
    Text2[Index]->setText(QString::number(UpDown2[Index]->value()));
    setSettingsChanged(true);
}
