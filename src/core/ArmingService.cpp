#include "core/ArmingService.h"

#include "core/ArmedTime.h"
#include "core/Autostart.h"
#include "core/AwakeHold.h"
#include "core/CommandJob.h"
#include "core/Condition.h"
#include "core/Log.h"
#include "core/Notifier.h"
#include "core/PowerKeeper.h"
#include "core/RequestDesk.h"
#include "core/ScheduleEdits.h"
#include "core/ScheduleRunner.h"
#include "core/SettingsStore.h"
#include "core/Wait.h"
#include "core/WakeAlarm.h"
#include "core/WarningPresenter.h"

#include <QPointer>

#include <algorithm>

ArmingService::ArmingService(const Seams &seams, QObject *parent)
    : QObject(parent), m_seams(seams),
      m_desk(std::make_unique<RequestDesk>(*seams.power,
                                           [this](const QString &text) { emit message(text); })),
      m_hand(new ArmingController(*seams.clock, *m_desk, this)),
      m_scheduled(new ArmingController(*seams.clock, *m_desk, this))
{
    m_desk->setPeers({m_hand, m_scheduled});
    if (m_seams.schedules) {
        m_runner = new ScheduleRunner(*seams.clock, *m_scheduled, seams.schedules, this);
        connect(m_runner, &ScheduleRunner::changed, this, &ArmingService::schedulesChanged);
    }
    m_presenter = std::make_unique<WarningPresenter>(
        m_seams.notifier, std::vector<const ArmingController *>{m_hand, m_scheduled});
    connect(m_presenter.get(), &WarningPresenter::present, this, &ArmingService::present);
    connect(m_presenter.get(), &WarningPresenter::presentedTextChanged, this,
            &ArmingService::presentedTextChanged);
    connect(m_presenter.get(), &WarningPresenter::presentationClosed, this,
            &ArmingService::presentationClosed);
    for (ArmingController *controller : {m_hand, m_scheduled}) {
        connect(controller, &ArmingController::warningChanged, m_presenter.get(),
                &WarningPresenter::update);
        connect(controller, &ArmingController::ticked, m_presenter.get(), &WarningPresenter::tick);
        connect(controller, &ArmingController::accepted, this, &ArmingService::sessionEnds);
    }
    connect(m_scheduled, &ArmingController::refused, this,
            [this](Action action, bool, const PowerResult &result) {
                emit message(PowerTexts::refusalMessage(action, result));
            });
    connect(m_scheduled, &ArmingController::unanswered, this, [this] {
        emit message(tr("The system has not answered the schedule's request yet.\r\nIt "
                        "may still happen: save your work."));
    });
    if (m_seams.notifier) {
        connect(m_seams.notifier, &Notifier::postponeRequested, this, [this] { postponeWarned(); });
        connect(m_seams.notifier, &Notifier::cancelRequested, this, &ArmingService::cancelWarned);
    }
    m_keeper = std::make_unique<PowerKeeper>(*seams.clock, seams.awake, seams.wake, *m_hand,
                                             *m_scheduled, m_runner);
    if (m_seams.awake) {
        connect(m_seams.awake, &AwakeHold::changed, this, &ArmingService::awakeChanged);
        // The request leaves only once the hold is let go: a desktop that turns it into a
        // sleep lock of its own would otherwise refuse the program's own sleep.
        m_desk->setBeforeRequest(
            [awake = m_seams.awake](std::function<void()> send) { awake->release(send); });
    }
    if (m_seams.wake) {
        connect(m_seams.wake, &WakeAlarm::failed, this, [this](const QString &reason) {
            emit message(tr("The computer will not be woken from sleep for the time armed:\r\n%1")
                             .arg(reason));
        });
    }
}

// The keeper goes first, clearing the wake: nothing is left to act once the program ends.
ArmingService::~ArmingService() = default;

void ArmingService::probeCapabilities()
{
    const quint64 id = ++m_probeId;
    const QPointer<ArmingService> self(this);
    // Known once the power actions and the wake have both answered.
    m_probesOut = m_seams.wake ? 2 : 1;
    const auto answered = [self] {
        if (--self->m_probesOut > 0)
            return;
        self->m_probed = true;
        emit self->capabilitiesChanged();
    };
    m_seams.power->probe([self, id, answered](const Capabilities &capabilities) {
        // Only the newest question's answer counts.
        if (!self || id != self->m_probeId)
            return;
        self->m_capabilities = capabilities;
        self->m_hand->setCapabilities(capabilities);
        self->m_scheduled->setCapabilities(capabilities);
        answered();
    });
    if (m_seams.wake)
        m_seams.wake->probe([self, id, answered](const QString &whyNot) {
            if (!self || id != self->m_probeId)
                return;
            self->m_keeper->setWakeWhyNot(whyNot);
            answered();
        });
}

QString ArmingService::wakeWhyNot() const
{
    return m_keeper->wakeWhyNot();
}

QString ArmingService::whyNot(Action action) const
{
    const Capability &capability = m_capabilities[static_cast<std::size_t>(action)];
    return capability.possible ? QString() : capability.reason;
}

void ArmingService::setWarning(int leadSeconds, bool sound, const QString &note)
{
    m_hand->setWarningLead(leadSeconds);
    m_scheduled->setWarningLead(leadSeconds);
    if (m_runner)
        m_runner->setWarningLeadMs(qint64(leadSeconds) * 1000);
    m_warningSound = sound;
    m_presenter->setNote(note.trimmed());
    m_keeper->setWarningLead(leadSeconds);
    if (m_seams.notifier)
        m_seams.notifier->setSound(sound);
}

void ArmingService::setKeepAwake(bool on)
{
    m_keeper->setKeepAwake(on);
}

QString ArmingService::awakeNote() const
{
    return m_keeper->awakeNote();
}

void ArmingService::setCommandRunner(CommandRunner *runner)
{
    m_commands = runner;
    m_hand->setCommandRunner(runner);
}

QString ArmingService::commandLogPath() const
{
    return m_commands ? m_commands->logPath() : QString();
}

bool ArmingService::requesting() const
{
    return m_hand->state() == ArmingController::State::Requesting ||
           m_scheduled->state() == ArmingController::State::Requesting;
}

// ---- the one warning ----

QString ArmingService::postponeCaption() const
{
    return m_presenter->postponeCaption();
}

void ArmingService::postponeWarned(int seconds)
{
    for (ArmingController *controller : {m_hand, m_scheduled})
        if (controller->warning() && controller->canPostpone())
            controller->postpone(seconds);
}

void ArmingService::cancelWarned()
{
    for (ArmingController *controller : {m_hand, m_scheduled})
        if (controller->warning() || !controller->notice().isEmpty())
            controller->stop();
}

void ArmingService::postponeAll(int seconds)
{
    for (ArmingController *controller : {m_hand, m_scheduled})
        if (controller->canPostpone())
            controller->postpone(seconds);
}

// ---- stopping ----

CommandOutcome ArmingService::stopAll()
{
    using Kind = CommandOutcome::Kind;
    if (requesting())
        return {Kind::TooLate, tr("too late: the request is already on its way to the system")};
    QStringList said;
    if (m_hand->armed()) {
        said << tr("Stopped: %1").arg(m_hand->status());
        m_hand->stop();
    }
    if (m_scheduled->armed() && m_runner) {
        const QDateTime occurrence = m_runner->armedOccurrence();
        said << tr("Stopped: the schedule's %1 at %2")
                    .arg(PowerTexts::actionCaption(m_scheduled->order().action),
                         ScheduleRules::occurrenceText(occurrence, m_seams.clock->now()));
        m_scheduled->stop();
        if (const QDateTime next = m_runner->nextAfter(occurrence); next.isValid())
            said << tr("The schedules stay on; the next is %1.")
                        .arg(ScheduleRules::occurrenceText(next, m_seams.clock->now()));
    }
    if (said.isEmpty())
        said << tr("Nothing was armed.");
    return {Kind::Applied, said.join(u'\n')};
}

// ---- the schedules ----

void ArmingService::loadSchedules()
{
    if (!m_runner)
        return;
    QString error;
    if (!m_seams.schedules->reload(&error))
        qCWarning(lcOrvanta, "the schedules could not be read: %s", qUtf8Printable(error));
    m_runner->setSchedules(ScheduleRules::load(*m_seams.schedules));
    // The entry follows the schedules, also where the user removed it meanwhile.
    updateAutostart();
    emit schedulesChanged();
}

const std::vector<StoredSchedule> &ArmingService::schedules() const
{
    static const std::vector<StoredSchedule> none;
    return m_runner ? m_runner->schedules() : none;
}

QString ArmingService::checkAction(Action action) const
{
    if (!m_runner)
        return tr("schedules are not available here");
    return whyNot(action);
}

QString ArmingService::checkRule(const ScheduleRule &rule) const
{
    if (QString why = checkAction(rule.action); !why.isEmpty())
        return why;
    return rule.wake ? wakeWhyNot() : QString();
}

bool ArmingService::addSchedule(const ScheduleRule &rule, QString *error)
{
    if (rule.enabled)
        *error = checkRule(rule);
    if (!error->isEmpty())
        return false;
    std::vector<StoredSchedule> schedules = m_runner->schedules();
    schedules.push_back({rule, QDateTime(), -1});
    commit(std::move(schedules));
    return true;
}

bool ArmingService::changeSchedule(int key, const ScheduleRule &rule, QString *error)
{
    if (rule.enabled)
        *error = checkRule(rule);
    if (!error->isEmpty())
        return false;
    std::vector<StoredSchedule> schedules = m_runner->schedules();
    const auto it = std::find_if(schedules.begin(), schedules.end(),
                                 [key](const StoredSchedule &s) { return s.key == key; });
    if (it == schedules.end()) {
        *error = tr("This schedule was removed meanwhile.");
        return false;
    }
    // A changed or switched-on schedule counts from now; one unchanged keeps its record.
    if (!(it->rule == rule))
        *it = {rule, QDateTime(), key};
    commit(std::move(schedules));
    return true;
}

bool ArmingService::removeSchedule(int key, QString *error)
{
    std::vector<StoredSchedule> schedules = m_runner->schedules();
    const auto gone = std::erase_if(schedules, [key](const auto &s) { return s.key == key; });
    if (gone == 0) {
        *error = tr("This schedule was removed meanwhile.");
        return false;
    }
    commit(std::move(schedules));
    return true;
}

void ArmingService::commit(std::vector<StoredSchedule> schedules)
{
    // Saved first: a new schedule gets its key before the runner records anything for it.
    QString error;
    if (!ScheduleRules::save(*m_seams.schedules, schedules, &error))
        emit message(tr("The schedules could not be saved to %1:\r\n%2")
                         .arg(m_seams.schedules->location(), error));
    m_runner->setSchedules(std::move(schedules));
    updateAutostart();
    emit schedulesChanged();
}

void ArmingService::updateAutostart()
{
    if (!m_seams.autostart)
        return;
    const bool wanted = ScheduleEdits::anyEnabled(schedules());
    QString error;
    if (m_seams.autostart->isEnabled() == wanted || m_seams.autostart->setEnabled(wanted, &error))
        m_autostartError.clear();
    else
        m_autostartError = error;
}

QString ArmingService::startNote() const
{
    if (!m_autostartError.isEmpty())
        return m_autostartError;
    if (!m_seams.autostart)
        return tr("Orvanta carries the schedules out while it runs.");
    return ScheduleEdits::anyEnabled(schedules())
               ? tr("While a schedule is on, Orvanta starts with your session, hidden in the "
                    "notification area.")
               : tr("Orvanta starts with your session while a schedule is on.");
}

QString ArmingService::schedulesToolTip() const
{
    return m_runner ? m_runner->toolTip() : QString();
}

QDateTime ArmingService::nextOccurrence() const
{
    return m_runner ? m_runner->next() : QDateTime();
}
