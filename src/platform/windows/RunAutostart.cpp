#include "core/Autostart.h"
#include "platform/Platform.h"
