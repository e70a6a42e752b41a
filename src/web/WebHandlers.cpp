#include "ui/Shutdown.h"
#include "web/OpenWebPage.h"

void Shutdown::mnuSDW_Click()
{
    const QString address = homePageAddress() + QStringLiteral("swe/developed/Orvanta/index.php");
    OpenWebPage(*m_services.web, *m_services.messages, this, address, address, 2);
}

void Shutdown::mnuOther_Click()
{
    const QString address = homePageAddress() + QStringLiteral("index.php");
    OpenWebPage(*m_services.web, *m_services.messages, this, address, address, 2);
}
