#include "web/OpenWebPage.h"

#include "ui/MessageBox.h"
#include "web/WebOpener.h"

#include <QCoreApplication>

void OpenWebPage(WebOpener &web, MessageBoxService &messages, QWidget *owner,
                 const QString &address, const QString &shown, int breaks)
{
    if (web.open(owner, address) >= 33)
        return;
    messages.information(
        owner,
        QCoreApplication::translate(
            "OpenWebPage", "Couldn't open your default browser. Please manually goto the adress:") +
            QStringLiteral("\r\n").repeated(breaks) + shown);
}
