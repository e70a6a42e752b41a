#pragma once

#include <QString>

#include <functional>

// The three things the program can do; the values are the stored "Action" setting.
enum class Action
{
    LogOff = 0,
    PowerOff = 1,
    Restart = 2
};

// "log off", "power off", "restart": how an action is named on standard error.
QString actionName(Action action);

struct PowerResult
{
    bool accepted = false;
    QString error; // why it was refused; empty when accepted
};

// The seam to the operating system's power services. `done` is called exactly once, when
// the request has left the process and was accepted or refused (bounded in time); it may
// be called before request() returns.
class PowerRequester
{
public:
    using Done = std::function<void(const PowerResult &)>;
    virtual ~PowerRequester() = default;
    // force: other programs may not hold the request up.
    virtual void request(Action action, bool force, Done done) = 0;
};
