#include "gui/ScheduleHost.h"

#include "core/ArmingService.h"
#include "core/ScheduleRule.h"
#include "gui/MessageBox.h"
#include "gui/SchedulesDialog.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QWidget>

ScheduleHost::ScheduleHost(QWidget &window, ArmingService &service, MessageBoxService &messages)
    : QObject(&window), m_window(window), m_service(service), m_messages(messages),
      m_status(new QLabel(&window))
{
    m_status->setObjectName(QStringLiteral("scheduleStatus"));
    m_status->hide();
    connect(&m_service, &ArmingService::schedulesChanged, this, [this] {
        showNext();
        refreshDialog();
    });
    connect(&m_service, &ArmingService::capabilitiesChanged, this, &ScheduleHost::refreshDialog);
    showNext();
}

ScheduleHost::~ScheduleHost() = default;

void ScheduleHost::showNext()
{
    const QDateTime next = m_service.nextOccurrence();
    if (!next.isValid()) {
        m_status->hide();
        return;
    }
    // A date where the weekday alone would read as this week.
    const bool far = QDate::currentDate().daysTo(next.date()) > 6;
    const QString day = QLocale().dayName(next.date().dayOfWeek(), QLocale::ShortFormat);
    const QString when =
        far ? day + u' ' +
                  QLocale().toString(next.date(), tr("d MMM", "day and short month, as "
                                                              "QDate::toString spells them"))
            : day;
    const QString text = tr("Next: %1 %2").arg(when, next.time().toString(QStringLiteral("HH:mm")));
    m_status->setToolTip(m_service.schedulesToolTip());
    m_status->setAccessibleName(m_service.schedulesToolTip());
    if (m_status->isVisible() && m_status->text() == text)
        return;
    m_status->setText(text);
    m_status->show();
}

void ScheduleHost::showDialog()
{
    if (!m_dialog) {
        m_dialog = new SchedulesDialog(&m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &SchedulesDialog::added, this, [this](const ScheduleRule &rule) {
            QString error;
            said(m_service.addSchedule(rule, &error), error);
        });
        connect(m_dialog, &SchedulesDialog::changed, this,
                [this](int key, const ScheduleRule &rule) {
                    QString error;
                    said(m_service.changeSchedule(key, rule, &error), error);
                });
        connect(m_dialog, &SchedulesDialog::removed, this, [this](int key) {
            QString error;
            said(m_service.removeSchedule(key, &error), error);
        });
    }
    refreshDialog();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ScheduleHost::said(bool done, const QString &error)
{
    if (!done)
        m_messages.information(m_dialog ? static_cast<QWidget *>(m_dialog) : &m_window, error);
    // Refused or not, the list shows what holds now.
    refreshDialog();
}

void ScheduleHost::refreshDialog()
{
    if (!m_dialog)
        return;
    m_dialog->setCapabilities(m_service.capabilities());
    m_dialog->setWakeWhyNot(m_service.wakeWhyNot());
    m_dialog->setSchedules(m_service.schedules());
    m_dialog->setStartNote(m_service.startNote());
}
