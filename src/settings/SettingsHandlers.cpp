#include "ui/Shutdown.h"

// Filled in with the settings store.
void Shutdown::mnuSave_Click()
{
    setSettingsChanged(false);
}

void Shutdown::mnuLoad_Click()
{
    setSettingsChanged(false);
}
