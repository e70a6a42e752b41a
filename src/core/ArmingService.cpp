#include "core/ArmingService.h"

#include "core/ArmedTime.h"
#include "core/Autostart.h"
#include "core/CommandJob.h"
#include "core/Condition.h"
#include "core/Log.h"
#include "core/Notifier.h"
#include "core/RequestDesk.h"
#include "core/ScheduleEdits.h"
#include "core/ScheduleRunner.h"
#include "core/SettingsStore.h"
#include "core/Wait.h"

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
}

ArmingService::~ArmingService() = default;

void ArmingService::probeCapabilities()
{
    const quint64 id = ++m_probeId;
    const QPointer<ArmingService> self(this);
    m_seams.power->probe([self, id](const Capabilities &capabilities) {
        // Only the newest question's answer counts.
        if (!self || id != self->m_probeId)
            return;
        self->m_capabilities = capabilities;
        self->m_probed = true;
        self->m_hand->setCapabilities(capabilities);
        self->m_scheduled->setCapabilities(capabilities);
        emit self->capabilitiesChanged();
    });
}

QString ArmingService::whyNot(Action action) const
{
    const Capability &capability = m_capabilities[static_cast<std::size_t>(action)];
    return capability.possible ? QString() : capability.reason;
}

void ArmingService::setWarningEnabled(bool enabled)
{
    m_hand->setWarningEnabled(enabled);
    m_scheduled->setWarningEnabled(enabled);
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
    for (const ArmingController *controller : m_presented)
        lines << (controller->warning() ? controller->warningText() : controller->notice());
    return lines.join(u'\n');
}

QString ArmingService::postponeCaption() const
{
    // A wait with a span starts again; anything else is postponed.
    for (const ArmingController *controller : m_presented)
        if (controller->warning() && controller->canPostpone())
            return controller->postponeCaption();
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
        if (const QString why = ScheduleEdits::refusal(schedules, edit, m_capabilities);
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
        const ArmOrder order{arm.action, arm.force, arm.mode, arm.fields, {}, command.run};
        if (const QString why = m_hand->commandProblem(order); !why.isEmpty())
            return {Kind::Refused, why};
        if (!m_hand->arm(order))
            return {Kind::Refused, tr("the time was refused")};
        return {};
    }
    if (command.cancel)
        return stopAll();
    return {};
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

bool ArmingService::addSchedule(const ScheduleRule &rule, QString *error)
{
    if (rule.enabled)
        *error = checkAction(rule.action);
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
        *error = checkAction(rule.action);
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
