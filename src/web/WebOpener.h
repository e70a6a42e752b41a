#pragma once

#include <QString>

#include <memory>

class QWidget;

// Hands an address to the user's default browser. The result follows the shell's
// convention: above 32 the request was handed over, 32 or less it was not.
class WebOpener
{
public:
    virtual ~WebOpener() = default;
    virtual int open(QWidget *owner, const QString &address) = 0;
};

// Defined once per platform under platform/.
std::unique_ptr<WebOpener> makePlatformWebOpener();
