#include "tray/TraySearch.h"
