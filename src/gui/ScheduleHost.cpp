#include "gui/ScheduleHost.h"

#include "core/ArmingController.h"
#include "core/Autostart.h"
#include "core/Log.h"
#include "core/RepeatEdit.h"
#include "core/RepeatRunner.h"
#include "core/SettingsStore.h"
#include "gui/MessageBox.h"
#include "gui/SchedulesDialog.h"
#include "gui/WarningWindow.h"

#include <QLabel>
#include <QLocale>
#include <QWidget>

ScheduleHost::ScheduleHost(QWidget &window, const Clock &clock, PowerRequester &power,
                           SettingsStore &store, Autostart *autostart, MessageBoxService &messages)
    : QObject(&window), m_window(window), m_store(store), m_autostart(autostart),
      m_messages(messages),
      // No notifier: the notification's Postpone and Cancel would reach the window's own
      // controller too. The warning is a window of its own instead.
      m_arming(new ArmingController(clock, power, nullptr, this)),
      m_runner(new RepeatRunner(clock, *m_arming, &store, this)), m_status(new QLabel(&window))
{
    m_status->setObjectName(QStringLiteral("scheduleStatus"));
    m_status->setContentsMargins(0, 0, m_status->fontMetrics().averageCharWidth(), 0);
    m_status->hide();
    connect(this, &ScheduleHost::changed, this, &ScheduleHost::showNext);
    new WarningWindow(*m_arming, &window);
    connect(m_runner, &RepeatRunner::changed, this, &ScheduleHost::changed);
    connect(m_arming, &ArmingController::accepted, this, &ScheduleHost::sessionEnds);
    connect(m_arming, &ArmingController::refused, this,
            [this](Action action, bool, const PowerResult &result) {
                m_messages.information(&m_window, PowerTexts::refusalMessage(action, result));
            });
    connect(m_arming, &ArmingController::unanswered, this, [this] {
        m_messages.information(&m_window, tr("The system has not answered the schedule's "
                                             "request yet.\r\nIt may still happen: save your "
                                             "work."));
    });
}

ScheduleHost::~ScheduleHost() = default;

void ScheduleHost::load()
{
    QString error;
    if (!m_store.reload(&error))
        qCWarning(lcOrvanta, "the schedules could not be read: %s", qUtf8Printable(error));
    std::vector<RepeatSchedule> schedules = RepeatRules::load(m_store);
    m_runner->setSchedules(std::move(schedules));
    // The entry follows the schedules, also where the user removed it meanwhile.
    updateAutostart();
}

void ScheduleHost::showNext()
{
    const QDateTime next = m_runner->next();
    m_status->setVisible(next.isValid());
    if (!next.isValid())
        return;
    m_status->setText(tr("Next: %1 %2")
                          .arg(QLocale().dayName(next.date().dayOfWeek(), QLocale::ShortFormat),
                               next.time().toString(QStringLiteral("HH:mm"))));
    m_status->setToolTip(toolTip());
    m_status->setAccessibleName(toolTip());
}

QString ScheduleHost::toolTip() const
{
    return m_runner->toolTip();
}

void ScheduleHost::showDialog()
{
    if (!m_dialog) {
        m_dialog = new SchedulesDialog(&m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &SchedulesDialog::rulesEdited, this,
                [this](const QList<RepeatRule> &rules) {
                    const std::vector<RepeatSchedule> &old = m_runner->schedules();
                    std::vector<RepeatSchedule> schedules;
                    for (qsizetype i = 0; i < rules.size(); ++i) {
                        // What is unchanged keeps its record; a new, changed or switched-on
                        // schedule counts from now.
                        const bool same = std::size_t(i) < old.size() && old[i].rule == rules[i];
                        schedules.push_back({rules[i], same ? old[i].settledUntil : QDateTime()});
                    }
                    commit(std::move(schedules));
                });
    }
    m_dialog->setRules(rules());
    m_dialog->setStartNote(startNote());
    m_dialog->setCapabilities(m_capabilities);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ScheduleHost::setCapabilities(const Capabilities &capabilities)
{
    m_capabilities = capabilities;
    if (m_dialog)
        m_dialog->setCapabilities(capabilities);
}

CommandOutcome ScheduleHost::apply(const ScheduleEdit &edit)
{
    if (const Capability &can = m_capabilities[std::size_t(edit.action)];
        edit.kind == ScheduleEdit::Kind::Add && !can.possible)
        return {CommandOutcome::Kind::Refused, can.reason};
    std::vector<RepeatSchedule> schedules = m_runner->schedules();
    CommandOutcome outcome = RepeatEdit::apply(schedules, edit);
    if (outcome.kind == CommandOutcome::Kind::Applied && edit.kind != ScheduleEdit::Kind::List)
        commit(std::move(schedules));
    if (edit.kind == ScheduleEdit::Kind::List && !m_runner->toolTip().isEmpty())
        outcome.text += QLatin1Char('\n') + m_runner->toolTip();
    return outcome;
}

void ScheduleHost::commit(std::vector<RepeatSchedule> schedules)
{
    m_runner->setSchedules(std::move(schedules));
    QString error;
    if (!RepeatRules::save(m_store, m_runner->schedules(), &error))
        m_messages.information(
            &m_window,
            tr("The schedules could not be saved to %1:\r\n%2").arg(m_store.location(), error));
    updateAutostart();
    if (m_dialog) {
        m_dialog->setRules(rules());
        m_dialog->setStartNote(startNote());
    }
    emit changed();
}

void ScheduleHost::updateAutostart()
{
    if (!m_autostart)
        return;
    const bool wanted = RepeatEdit::anyEnabled(m_runner->schedules());
    QString error;
    if (m_autostart->isEnabled() == wanted || m_autostart->setEnabled(wanted, &error))
        m_autostartError.clear();
    else
        m_autostartError = error;
}

QString ScheduleHost::startNote() const
{
    if (!m_autostartError.isEmpty())
        return m_autostartError;
    if (!m_autostart)
        return tr("Orvanta carries the schedules out while it runs.");
    return RepeatEdit::anyEnabled(m_runner->schedules())
               ? tr("While a schedule is on, Orvanta starts with your session, hidden in the "
                    "notification area.")
               : tr("Orvanta starts with your session while a schedule is on.");
}

QList<RepeatRule> ScheduleHost::rules() const
{
    QList<RepeatRule> rules;
    for (const RepeatSchedule &schedule : m_runner->schedules())
        rules << schedule.rule;
    return rules;
}
