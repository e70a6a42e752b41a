#include "ui/AboutNotice.h"
