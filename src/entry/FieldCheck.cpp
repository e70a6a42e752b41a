#include "entry/FieldCheck.h"
