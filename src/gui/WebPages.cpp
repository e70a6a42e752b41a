#include "gui/WebPages.h"

#include "core/WebOpener.h"
#include "gui/MessageBox.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

void openWebPage(WebOpener &web, MessageBoxService &messages, QWidget *owner,
                 const QString &address, const QString &shown, int breaks)
{
    // The answer may come later, after the owner has gone.
    QPointer<QWidget> guard(owner);
    web.open(address, [&messages, guard, owner, shown, breaks](bool opened) {
        if (opened || (owner && !guard))
            return;
        messages.information(
            guard, QCoreApplication::translate("WebPages", "Couldn't open your default browser. "
                                                           "Please manually goto the adress:") +
                       QStringLiteral("\r\n").repeated(breaks) + shown);
    });
}
