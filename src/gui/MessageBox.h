#pragma once

#include <QString>

class QWidget;

// A modal box with an OK button only and the program's title as its caption. Tests
// replace it with a recorder so that nothing ever waits for a click.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual void information(QWidget *owner, const QString &text) = 0;
};

class QtMessageBoxService final : public MessageBoxService
{
public:
    void information(QWidget *owner, const QString &text) override;
};
