#include "platform/Platform.h"

// A Windows session always has its desktop.
QString Platform::displayProblem()
{
    return {};
}
