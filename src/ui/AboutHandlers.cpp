#include "ui/Shutdown.h"
#include "ui/frmAbout.h"

void Shutdown::openAbout()
{
    if (!m_about)
        m_about = new frmAbout(this, m_services.web, m_services.messages);
    m_about->showModal();
}

void Shutdown::mnuAbout_Click()
{
    openAbout();
}

void Shutdown::mnuAbout2_Click()
{
    openAbout();
}
