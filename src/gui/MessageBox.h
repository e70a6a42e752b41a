#pragma once

#include <QString>

#include <functional>

class QWidget;

// A modal box with an OK button only and the program's title as its caption. It is shown
// and left to the user: nothing waits for the click (`closed` runs when it is gone). Tests
// replace it with a recorder.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual void information(QWidget *owner, const QString &text,
                             std::function<void()> closed = {}) = 0;
};

class QtMessageBoxService final : public MessageBoxService
{
public:
    void information(QWidget *owner, const QString &text,
                     std::function<void()> closed = {}) override;
};
