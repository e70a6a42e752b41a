#include "web/OpenWebPage.h"
