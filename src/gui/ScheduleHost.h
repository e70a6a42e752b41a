#pragma once

#include <QObject>
#include <QPointer>

class ArmingService;
class MessageBoxService;
class QLabel;
class SchedulesDialog;
class QWidget;

// The schedules as the window shows them: the Schedules window, and "Next: Mon 23:30" in the
// corner of the menu bar with the tool tip's lines as its own tool tip (hidden while no
// schedule is on). What they are, and what they arm, belongs to the arming service.
class ScheduleHost final : public QObject
{
    Q_OBJECT
public:
    ScheduleHost(QWidget &window, ArmingService &service, MessageBoxService &messages);
    ~ScheduleHost() override;

    void showDialog();
    QLabel *statusLabel() const { return m_status; }

private:
    void showNext();
    void refreshDialog();
    void said(bool done, const QString &error);

    QWidget &m_window;
    ArmingService &m_service;
    MessageBoxService &m_messages;
    QPointer<SchedulesDialog> m_dialog;
    QLabel *m_status;
};
