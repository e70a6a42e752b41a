#include "entry/FieldCheck.h"
#include "ui/Shutdown.h"
#include "ui/TimeField.h"

// The check never keeps the focus in the field: Cancel stays false.
void Shutdown::Text1_Validate(int Index, bool &Cancel)
{
    validateField(Text1, hourLimit(TimeRow::Countdown), Index);
    Cancel = false;
}

void Shutdown::Text2_Validate(int Index, bool &Cancel)
{
    validateField(Text2, hourLimit(TimeRow::TimeOfDay), Index);
    Cancel = false;
}

void Shutdown::validateField(std::array<TimeField *, 3> &fields, int hourLimit, int index)
{
    const TimeRow row =
        hourLimit == ::hourLimit(TimeRow::Countdown) ? TimeRow::Countdown : TimeRow::TimeOfDay;
    // Each write lands in the real field at once and raises its change handler; the next
    // step of the check then reads what was written.
    checkField(
        row, index, [&fields](int i) { return fields[i]->text(); },
        [&fields](int i, const QString &text) { fields[i]->setText(text); });
}
