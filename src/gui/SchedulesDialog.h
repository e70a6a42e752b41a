#pragma once

#include "core/ScheduleRule.h"

#include <QDialog>
#include <QList>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimeEdit;

// One schedule's days, time, action and Force, for Add and Edit.
class ScheduleEditor final : public QDialog
{
    Q_OBJECT
public:
    // An action the system cannot carry out is offered greyed, with the reason; so is waking
    // the computer where `wakeWhyNot` says why it cannot be woken.
    ScheduleEditor(const ScheduleRule &rule, const Capabilities &capabilities,
                   const QString &wakeWhyNot, QWidget *parent);
    ScheduleRule rule() const;

private:
    void setDays(quint8 days);
    void updateOk();

    QList<QCheckBox *> m_days; // Monday first
    QTimeEdit *m_time = nullptr;
    QComboBox *m_action = nullptr;
    QCheckBox *m_force = nullptr;
    QCheckBox *m_wake = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    bool m_enabled = true;
};

// The list of schedules: each switched on or off, added, edited, removed. Every change is
// reported at once; the window holds no state of its own beyond the list shown.
class SchedulesDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit SchedulesDialog(QWidget *parent);

    void setSchedules(const std::vector<StoredSchedule> &schedules);
    // The line under the list: whether and where the program starts with the session.
    void setStartNote(const QString &note);
    void setCapabilities(const Capabilities &capabilities) { m_capabilities = capabilities; }
    void setWakeWhyNot(const QString &whyNot) { m_wakeWhyNot = whyNot; }

signals:
    // Each change names the schedule by its key: a list changed meanwhile (by a script) never
    // turns an edit of one schedule into an edit of another.
    void added(const ScheduleRule &rule);
    void changed(int key, const ScheduleRule &rule);
    void removed(int key);

private:
    void edit(int row);
    void showRules();

    std::vector<StoredSchedule> m_schedules;
    Capabilities m_capabilities{};
    QString m_wakeWhyNot;
    QListWidget *m_list = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QLabel *m_note = nullptr;
};
