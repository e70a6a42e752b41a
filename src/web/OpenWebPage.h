#pragma once

#include <QString>

class MessageBoxService;
class QWidget;
class WebOpener;

// The developer's home page: the link of the About window and the start of every address.
inline QString homePageAddress()
{
    return QStringLiteral("https://brannock.example/");
}

// Hands address to the default browser; when that fails, tells the user the address shown
// after the given number of line breaks, so it can be typed in by hand.
void OpenWebPage(WebOpener &web, MessageBoxService &messages, QWidget *owner,
                 const QString &address, const QString &shown, int breaks);
