#include "platform/Platform.h"

// Nothing here: which window gets the keys is the window manager's choice, and a window tells
// it through the toolkit (Qt::WindowDoesNotAcceptFocus), not through the events.
void Platform::installNeverActivate() {}
