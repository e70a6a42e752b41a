#include "ui/Shutdown.h"

// Filled in with the field check.
void Shutdown::Text1_Validate(int Index, bool &Cancel)
{
    Q_UNUSED(Index);
    Cancel = false;
}

void Shutdown::Text2_Validate(int Index, bool &Cancel)
{
    Q_UNUSED(Index);
    Cancel = false;
}

void Shutdown::validateField(std::array<TimeField *, 3> &fields, int hourLimit, int index)
{
    Q_UNUSED(fields);
    Q_UNUSED(hourLimit);
    Q_UNUSED(index);
}
