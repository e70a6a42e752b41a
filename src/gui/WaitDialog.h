#pragma once

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
    // running: the programs to choose from (the user's own are listed).
    WaitDialog(WaitOrder::Kind kind, const QList<RunningProgram> &running, QWidget *parent);

    WaitOrder order() const;

private:
    QSpinBox *addSpinBox(const QString &label, int minimum, int maximum, int value,
                         const QString &suffix);

    WaitOrder::Kind m_kind;
    QList<RunningProgram> m_running;
    QFormLayout *m_form = nullptr;
    QListWidget *m_programs = nullptr;
    QSpinBox *m_minutes = nullptr;
    QSpinBox *m_cpu = nullptr;
    QSpinBox *m_network = nullptr;
};
