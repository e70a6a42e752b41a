#include "ui/Shutdown.h"

// Filled in with the web links.
void Shutdown::mnuSDW_Click() {}
void Shutdown::mnuOther_Click() {}
