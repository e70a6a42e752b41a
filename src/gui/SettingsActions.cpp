#include "gui/SettingsActions.h"

#include "core/ArmingService.h"
#include "core/CommandJob.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "gui/CommandDialog.h"
#include "gui/ControlPanel.h"
#include "gui/MessageBox.h"
#include "gui/WarningMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QWidget>

// The texts keep the window's context: they are the window's menu entries and messages.
SettingsActions::SettingsActions(QWidget &window, ArmingService &service, ControlPanel &panel,
                                 SettingsStore &settings, MessageBoxService &messages)
    : QObject(&window), m_window(window), m_service(service), m_panel(panel), m_settings(settings),
      m_messages(messages),
      m_save(new QAction(QCoreApplication::translate("MainWindow", "Save settings"), &window)),
      m_load(new QAction(QCoreApplication::translate("MainWindow", "Load settings"), &window)),
      m_warn(new WarningMenu(&window)),
      m_keepAwake(new QAction(
          QCoreApplication::translate("MainWindow", "Keep the computer awake until then"),
          &window)),
      m_command(new QAction(QCoreApplication::translate("MainWindow", "Command…"), &window))
{
    m_command->setObjectName(QStringLiteral("commandAction"));
    connect(m_command, &QAction::triggered, this, [this] {
        ArmingController &hand = m_service.hand();
        auto *dialog = new CommandDialog(
            hand.command(), m_service.commandLogPath(),
            [&hand](const QString &line) {
                return hand.commandProblem({Action::RunCommand, false, {}, {}, {}, false, line});
            },
            &m_window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &CommandDialog::chosen, this, [this](const CommandChoices &choices) {
            if (choices == m_service.hand().command())
                return;
            m_service.hand().setCommand(choices);
            setChanged(true);
        });
        dialog->open();
    });
    m_save->setObjectName(QStringLiteral("saveAction"));
    m_load->setObjectName(QStringLiteral("loadAction"));
    m_keepAwake->setObjectName(QStringLiteral("keepAwakeAction"));
    m_keepAwake->setCheckable(true);
    m_keepAwake->setChecked(true);
    connect(m_keepAwake, &QAction::triggered, this, [this](bool on) {
        m_service.setKeepAwake(on);
        setChanged(true);
    });
    connect(m_save, &QAction::triggered, this, &SettingsActions::save);
    connect(m_load, &QAction::triggered, this, &SettingsActions::load);
    connect(m_warn, &WarningMenu::changed, this, [this] {
        applyWarning();
        setChanged(true);
    });
    connect(&m_panel, &ControlPanel::edited, this, [this] { setChanged(true); });
}

QAction *SettingsActions::warnAction() const
{
    return m_warn->menuAction();
}

void SettingsActions::applyWarning()
{
    m_service.setWarning(m_warn->leadMinutes() * 60, m_warn->sound(), m_warn->note());
}

void SettingsActions::updateLoad()
{
    m_load->setEnabled(m_changed && m_service.hand().state() == ArmingController::State::Idle);
}

void SettingsActions::setChanged(bool changed)
{
    m_changed = changed;
    // Set: Load first, then Save. Cleared after a save or a load: Save first, then Load.
    if (changed) {
        updateLoad();
        m_save->setEnabled(true);
    } else {
        m_save->setEnabled(false);
        m_load->setEnabled(false);
    }
}

void SettingsActions::save()
{
    Choices choices = m_panel.choices();
    choices.warningMinutes = m_warn->leadMinutes();
    choices.warningSound = m_warn->sound();
    choices.warningNote = m_warn->note();
    choices.keepAwake = m_keepAwake->isChecked();
    choices.command = m_service.hand().command();
    QString error;
    if (!Settings::save(m_settings, choices, &error)) {
        // Nothing was written: the changes stay marked as unsaved.
        m_messages.information(
            &m_window, QCoreApplication::translate("MainWindow",
                                                   "The settings could not be saved to %1:\r\n%2")
                           .arg(QDir::toNativeSeparators(m_settings.location()), error));
        return;
    }
    setChanged(false);
}

void SettingsActions::load()
{
    // Read afresh: the file may have been changed since.
    QString error;
    if (!m_settings.reload(&error))
        m_messages.information(
            &m_window, QCoreApplication::translate("MainWindow",
                                                   "The settings could not be loaded:\r\n%1\r\nThe "
                                                   "defaults are used.")
                           .arg(error));
    const Choices choices = Settings::load(m_settings);
    m_panel.setChoices(choices);
    m_warn->setChoices(choices.warningMinutes, choices.warningSound, choices.warningNote);
    applyWarning();
    m_keepAwake->setChecked(choices.keepAwake);
    m_service.setKeepAwake(choices.keepAwake);
    m_service.hand().setCommand(choices.command);
    setChanged(false);
}
