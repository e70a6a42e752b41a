#include "schedule/PowerChain.h"
