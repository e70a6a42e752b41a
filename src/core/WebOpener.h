#pragma once

#include <QString>

#include <functional>

// Hands an address to the user's default browser. `done` is called once with whether the
// browser took it; it may be called before open() returns.
class WebOpener
{
public:
    using Done = std::function<void(bool opened)>;
    virtual ~WebOpener() = default;
    virtual void open(const QString &address, Done done) = 0;
};
