#pragma once

#include <QString>

class MessageBoxService;
class QWidget;
class WebOpener;

// Hands address to the default browser; when that fails, tells the user the address
// `shown` after the given number of line breaks, so it can be typed in by hand.
void openWebPage(WebOpener &web, MessageBoxService &messages, QWidget *owner,
                 const QString &address, const QString &shown, int breaks);
