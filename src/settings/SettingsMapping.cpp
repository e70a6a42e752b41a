#include "settings/SettingsMapping.h"
