#pragma once

#include "core/Settings.h"
#include "core/Wait.h"

#include <QDialog>

class QFormLayout;
class QListWidget;
class QSpinBox;

// Asks what to wait for besides the clock: which programs must end, how quiet the
// computer must be and for how long, or how long nobody may use it. Start accepts.
class WaitDialog final : public QDialog
{
    Q_OBJECT
public:
    // running: the programs to choose from (the user's own are listed). last: what was
    // asked the time before, offered again; a program of a name chosen then is selected.
    WaitDialog(WaitOrder::Kind kind, const QList<RunningProgram> &running, const WaitChoices &last,
               Qt::CaseSensitivity nameCase, QWidget *parent);

    WaitOrder order() const;
    // `last` with what this dialog asks in place of its own part.
    WaitChoices choices() const;

private:
    QSpinBox *addSpinBox(const QString &label, int maximum, int value, const QString &suffix,
                         const QString &description = QString());

    WaitOrder::Kind m_kind;
    WaitChoices m_last;
    QList<RunningProgram> m_running;
    QFormLayout *m_form = nullptr;
    QListWidget *m_programs = nullptr;
    QSpinBox *m_minutes = nullptr;
    QSpinBox *m_cpu = nullptr;
    QSpinBox *m_disk = nullptr;
    QSpinBox *m_network = nullptr;
};
