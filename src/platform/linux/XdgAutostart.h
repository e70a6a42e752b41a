#pragma once

#include "core/Autostart.h"

#include <QCoreApplication>

// $XDG_CONFIG_HOME/autostart/orvanta.desktop, which the session reads at login. The entry
// carries a mark of its own (X-Orvanta-Autostart=true): only a marked file is rewritten or
// removed, so a file of the same name that somebody else wrote (another program, or the user
// by hand or through the desktop's startup settings) is left as it is. A marked file that
// the user turned off there (Hidden=true, or GNOME's X-GNOME-Autostart-enabled=false) is left
// too: Hidden=true in the user's folder also hides a system-wide entry of the same name,
// which removing the file would bring back.
class XdgAutostart final : public Autostart
{
    Q_DECLARE_TR_FUNCTIONS(XdgAutostart)
public:
    // `program` is the absolute path the entry starts.
    explicit XdgAutostart(QString program);

    bool isEnabled() const override;
    bool setEnabled(bool enabled, QString *error) override;
    QString location() const override;

private:
    QString m_program;
};
