#include "core/ArmingService.h"

#include "core/ArmedTime.h"
#include "core/Autostart.h"
#include "core/AwakeHold.h"
#include "core/CommandJob.h"
#include "core/Condition.h"
#include "core/Log.h"
#include "core/Notifier.h"
#include "core/RequestDesk.h"
#include "core/ScheduleEdits.h"
#include "core/ScheduleRunner.h"
#include "core/SettingsStore.h"
#include "core/Wait.h"
#include "core/WakeAlarm.h"

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
    for (ArmingController *controller : {m_hand, m_scheduled}) {
        connect(controller, &ArmingController::warningChanged, this,
                &ArmingService::onWarningChanged);
        connect(controller, &ArmingController::ticked, this, &ArmingService::presentationTick);
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
    if (m_seams.awake) {
        for (ArmingController *controller : {m_hand, m_scheduled})
            connect(controller, &ArmingController::stateChanged, this, &ArmingService::updateAwake);
        connect(m_seams.awake, &AwakeHold::changed, this, &ArmingService::awakeChanged);
        // The request leaves only once the hold is let go: a desktop that turns it into a
        // sleep lock of its own would otherwise refuse the program's own sleep.
        m_desk->setBeforeRequest(
            [awake = m_seams.awake](std::function<void()> send) { awake->release(send); });
    }
    if (m_seams.wake) {
        // A wake left by a run that crashed would wake the computer for nothing.
        m_seams.wake->clearLeftovers();
        for (ArmingController *controller : {m_hand, m_scheduled}) {
            connect(controller, &ArmingController::stateChanged, this, &ArmingService::updateWake);
            connect(controller, &ArmingController::ordered, this, &ArmingService::updateWake);
            // Postponing says so by a tick.
            connect(controller, &ArmingController::ticked, this, &ArmingService::updateWake);
        }
        if (m_runner)
            connect(m_runner, &ScheduleRunner::changed, this, &ArmingService::updateWake);
        connect(m_seams.wake, &WakeAlarm::failed, this, [this](const QString &reason) {
            emit message(tr("The computer will not be woken from sleep for the time armed:\r\n%1")
                             .arg(reason));
        });
    }
}

ArmingService::~ArmingService()
{
    // Nothing is left to act once the program ends: no wake for it either.
    if (m_seams.wake && m_wakeFor.isValid())
        m_seams.wake->clear();
}

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
            self->m_wakeWhyNot = whyNot;
            answered();
        });
}

QString ArmingService::wakeWhyNot() const
{
    if (!m_seams.wake)
        return tr("This system cannot wake the computer at a time.");
    return m_wakeWhyNot;
}

void ArmingService::updateWake()
{
    QDateTime due;
    const auto consider = [&due](const QDateTime &at) {
        if (at.isValid() && (!due.isValid() || at < due))
            due = at;
    };
    for (const ArmingController *controller : {m_hand, m_scheduled})
        if (controller->state() == ArmingController::State::Armed && controller->order().wake &&
            !controller->condition())
            consider(controller->armedTime().dueAt());
    // Until shortly before its occurrence a schedule arms nothing; the wake comes earlier.
    if (m_runner && m_scheduled->state() == ArmingController::State::Idle && m_runner->nextWakes())
        consider(m_runner->next());
    if (due == m_wakeFor)
        return;
    m_wakeFor = due;
    if (!due.isValid()) {
        m_seams.wake->clear();
        return;
    }
    // Armed less than the lead before its time: woken as soon as may be, if still before it.
    const QDateTime soonest = m_seams.clock->now().addSecs(10);
    const QDateTime wakeAt =
        std::max(due.addSecs(-std::max(WakeLeadSeconds, m_warningLead + 60)), soonest);
    if (wakeAt < due)
        m_seams.wake->set(wakeAt);
    else
        m_seams.wake->clear();
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
    m_warningNote = note.trimmed();
    // The wake comes before the warning: set anew for the new lead.
    m_warningLead = leadSeconds;
    if (m_seams.wake && m_wakeFor.isValid()) {
        m_wakeFor = {};
        updateWake();
    }
    if (m_seams.notifier)
        m_seams.notifier->setSound(sound);
}

void ArmingService::setKeepAwake(bool on)
{
    m_keepAwake = on;
    updateAwake();
}

void ArmingService::updateAwake()
{
    if (!m_seams.awake)
        return;
    using State = ArmingController::State;
    // A wait goes on while nobody is at the computer: it always keeps it awake. So does a
    // time the computer is woken for: after a wake nobody is at, the system sleeps again soon.
    const auto needs = [this](const ArmingController *c) {
        // The user's command before the action is a job like a wait's.
        return c->state() == State::Waiting || c->state() == State::Running ||
               (c->state() == State::Armed && (m_keepAwake || c->condition() || c->order().wake));
    };
    if (!requesting() && (needs(m_hand) || needs(m_scheduled)))
        m_seams.awake->hold(tr("An action is armed for later"));
    else
        m_seams.awake->release([] {});
}

QString ArmingService::awakeNote() const
{
    return m_seams.awake && !m_seams.awake->holder().isEmpty()
               ? tr("The computer is kept awake until then.")
               : QString();
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

QString ArmingService::presentedText() const
{
    QStringList lines;
    bool warning = false;
    for (const ArmingController *controller : m_presented) {
        lines << (controller->warning() ? controller->warningText() : controller->notice());
        warning = warning || controller->warning();
    }
    // The user's own reminder goes with a warning, not with a wait's notice alone.
    if (warning && !m_warningNote.isEmpty())
        lines << m_warningNote;
    return lines.join(u'\n');
}

QString ArmingService::postponeCaption() const
{
    for (const ArmingController *controller : m_presented)
        if (controller->warning() && controller->canPostpone())
            return tr("+10 minutes");
    return QString();
}

void ArmingService::onWarningChanged()
{
    std::vector<const ArmingController *> now;
    for (const ArmingController *controller : {m_hand, m_scheduled})
        if (controller->warning() || !controller->notice().isEmpty())
            now.push_back(controller);
    if (now == m_presented)
        return;
    if (now.empty()) {
        m_presented.clear();
        if (m_seams.notifier)
            m_seams.notifier->close();
        m_presentedByWindow = false;
        emit presentationClosed();
        return;
    }
    // One leaving (carried out, stopped) leaves the warning up for the rest, its text updated;
    // one joining shows it anew: one warning, never two on top of each other, and its Cancel
    // stops all it shows.
    const bool left = std::all_of(now.begin(), now.end(), [this](const ArmingController *c) {
        return std::find(m_presented.begin(), m_presented.end(), c) != m_presented.end();
    });
    if (left && !m_presented.empty()) {
        m_presented = now;
        presentationTick();
        return;
    }
    m_presented = now;
    const QString text = presentedText();
    const QString postpone = postponeCaption();
    if (!m_seams.notifier || m_presentedByWindow) {
        m_presentedByWindow = true;
        emit present(text, postpone);
        return;
    }
    const QPointer<ArmingService> self(this);
    const std::vector<const ArmingController *> shown = m_presented;
    m_seams.notifier->show(text, postpone, [self, shown](bool ok) {
        // The window's text is made when it is handed over: a notification server may take
        // seconds to answer, and the seconds left must be right.
        if (!self || ok || self->m_presented != shown)
            return;
        self->m_presentedByWindow = true;
        emit self->present(self->presentedText(), self->postponeCaption());
    });
}

void ArmingService::presentationTick()
{
    if (m_presentedByWindow && !m_presented.empty())
        emit presentedTextChanged(presentedText());
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

// ---- the command line ----

CommandOutcome ArmingService::apply(const Command &command)
{
    using Kind = CommandOutcome::Kind;
    if (command.schedules) {
        const ScheduleEdit &edit = *command.schedules;
        if (!m_runner)
            return {Kind::Refused, tr("schedules are not available here")};
        std::vector<StoredSchedule> schedules = m_runner->schedules();
        // What the system cannot carry out is never put on.
        if (const QString why =
                ScheduleEdits::refusal(schedules, edit, m_capabilities, wakeWhyNot());
            !why.isEmpty())
            return {Kind::Refused, why};
        CommandOutcome outcome = ScheduleEdits::apply(schedules, edit);
        if (outcome.kind == Kind::Applied && edit.kind != ScheduleEdit::Kind::List)
            commit(std::move(schedules));
        if (edit.kind == ScheduleEdit::Kind::List && !m_runner->toolTip().isEmpty())
            outcome.text += u'\n' + m_runner->toolTip();
        return outcome;
    }
    const bool arming = command.arm || command.wait;
    if ((command.cancel || arming) && m_hand->state() == ArmingController::State::Requesting)
        return {Kind::TooLate, tr("too late: the request is already on its way to the system")};
    if (command.wait) {
        if (!m_seams.waits)
            return {Kind::Refused, tr("waits besides the clock are not available here")};
        QString why;
        std::unique_ptr<Condition> condition = m_seams.waits->make(command.wait->order, &why);
        if (!condition || !m_hand->armWhen(command.wait->action, command.wait->force,
                                           condition.release(), &why, command.run))
            return {Kind::Refused, why};
        return {};
    }
    if (command.arm) {
        // What the system cannot carry out leaves what is armed as it is.
        if (const QString why = whyNot(command.arm->action); !why.isEmpty())
            return {Kind::Refused, why};
        const Command::Arm &arm = *command.arm;
        if (const QString why = arm.wake ? wakeWhyNot() : QString(); !why.isEmpty())
            return {Kind::Refused, why};
        const ArmOrder order{arm.action, arm.force, arm.mode,   arm.fields,
                             {},         arm.wake,  command.run};
        if (const QString why = m_hand->commandProblem(order); !why.isEmpty())
            return {Kind::Refused, why};
        if (!m_hand->arm(order))
            return {Kind::Refused, tr("the time was refused")};
        return {};
    }
    if (command.cancel)
        return stopAll();
    if (command.postpone > 0)
        return postponeCommand(command.postpone);
    return {};
}

CommandOutcome ArmingService::postponeCommand(int seconds)
{
    using Kind = CommandOutcome::Kind;
    if (requesting())
        return {Kind::TooLate, tr("too late: the request is already on its way to the system")};
    if (!canPostpone())
        return {Kind::Refused, tr("nothing is armed that could be given more time")};
    postponeAll(seconds);
    QStringList said;
    if (m_hand->armed())
        said << m_hand->status();
    if (m_scheduled->armed())
        said << m_scheduled->status();
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
