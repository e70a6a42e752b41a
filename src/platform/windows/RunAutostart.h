#pragma once

#include "core/Autostart.h"

#include <QCoreApplication>

// The value "Orvanta" of HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run:
// the quoted path of the program and --autostart. The user may turn it off in Windows' own
// startup settings (Task Manager, Settings › Apps › Startup), which keep that choice apart
// from the value: it is honoured, never undone.
class RunAutostart final : public Autostart
{
    Q_DECLARE_TR_FUNCTIONS(RunAutostart)
public:
    // `program` is the absolute path the value starts.
    explicit RunAutostart(QString program);

    bool isEnabled() const override;
    bool setEnabled(bool enabled, QString *error) override;
    QString location() const override;

private:
    QString command() const;

    QString m_program;
};
