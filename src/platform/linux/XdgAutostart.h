#pragma once

#include "core/Autostart.h"

#include <QCoreApplication>

// $XDG_CONFIG_HOME/autostart/orvanta.desktop, which the session reads at login. The entry
// carries a mark of its own (X-Orvanta-Autostart=true): only a marked file is changed or
// removed, so a file of the same name that somebody else wrote (another program, or the user
// by hand or through the desktop's startup settings) is left as it is, and so is a link in its
// place, which is neither written through nor followed. A marked file that the user turned
// off there (Hidden=true, or GNOME's X-GNOME-Autostart-enabled=false) is left too:
// Hidden=true in the user's folder also hides a system-wide entry of the same name, which
// removing the file would bring back. In a marked file the user's lines stay: turned on, only
// an Exec line missing or written for a program since moved is put right; turned off, the
// file goes only as Orvanta wrote it, and one the user changed is hidden (Hidden=true, with
// X-Orvanta-Hidden=true to tell it from the user's own) until it is turned on again.
// The file is written beside its place and renamed there, so no half of it is ever read.
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
