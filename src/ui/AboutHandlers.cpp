#include "ui/Shutdown.h"
#include "ui/frmAbout.h"

void Shutdown::openAbout() {}
void Shutdown::mnuAbout_Click()
{
    openAbout();
}
void Shutdown::mnuAbout2_Click()
{
    openAbout();
}
