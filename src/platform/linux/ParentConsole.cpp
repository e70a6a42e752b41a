#include "platform/Platform.h"

// A program started from a terminal writes there already.
void Platform::useParentConsole(bool) {}
