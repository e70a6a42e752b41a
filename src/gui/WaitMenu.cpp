#include "gui/WaitMenu.h"

#include "core/ArmingService.h"
#include "core/CommandLine.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "gui/ControlPanel.h"
#include "gui/MessageBox.h"
#include "gui/WaitDialog.h"

#include <QMenuBar>

WaitMenu::WaitMenu(QMenuBar &bar, QWidget &window, ArmingService &service, SettingsStore &settings,
                   MessageBoxService &messages, ControlPanel &panel)
    : QObject(&window), m_window(window), m_service(service), m_settings(settings),
      m_messages(messages), m_panel(panel), m_menu(bar.addMenu(tr("Wait")))
{
    m_menu->setObjectName(QStringLiteral("waitMenu"));
    const std::pair<QString, WaitOrder::Kind> kinds[] = {
        {tr("Until a program ends…"), WaitOrder::Kind::ProgramEnd},
        {tr("Until the computer is quiet…"), WaitOrder::Kind::Quiet},
        {tr("Until nobody uses the computer…"), WaitOrder::Kind::Idle}};
    for (const auto &[text, kind] : kinds)
        connect(m_menu->addAction(text), &QAction::triggered, this, [this, kind] { choose(kind); });
}

void WaitMenu::choose(WaitOrder::Kind kind)
{
    // Not modal to the whole program, and never waited for: the answer comes by signal.
    const Waits &waits = *m_service.waits();
    auto *dialog = new WaitDialog(kind, waits.runningPrograms(), Settings::loadWaits(m_settings),
                                  waits.sources().programNameCase(), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        // Remembered as asked, even when it cannot start now: the program may be started
        // again, the sources come back. Its own keys only, so the window's choices keep
        // their saved or unsaved state.
        QString error;
        if (!Settings::saveWaits(m_settings, dialog->choices(), &error))
            qCWarning(lcOrvanta, "the wait's choices are not remembered: %s", qPrintable(error));
        if (const QString why = start(dialog->order()); !why.isEmpty())
            m_messages.information(&m_window, why);
    });
    dialog->open();
}

QString WaitMenu::start(const WaitOrder &order)
{
    const ArmOrder chosen = m_panel.order();
    Command command;
    command.wait = Command::Wait{chosen.action, chosen.force, order};
    const CommandOutcome outcome = m_service.apply(command);
    return outcome.kind == CommandOutcome::Kind::Applied ? QString() : outcome.text;
}
