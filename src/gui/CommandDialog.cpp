#include "gui/CommandDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

CommandDialog::CommandDialog(const CommandChoices &choices, const QString &logPath, Check check,
                             QWidget *parent)
    : QDialog(parent), m_check(std::move(check)), m_limitSeconds(choices.limitSeconds)
{
    setObjectName(QStringLiteral("commandDialog"));
    setWindowTitle(tr("Command"));
    auto *layout = new QVBoxLayout(this);

    auto *lineLabel = new QLabel(tr("Command line:"), this);
    layout->addWidget(lineLabel);
    m_line = new QLineEdit(choices.line, this);
    m_line->setObjectName(QStringLiteral("commandLine"));
    m_line->setPlaceholderText(tr("/home/me/bin/backup.sh --quiet, or sh -c \"…\""));
    m_line->setMinimumWidth(m_line->fontMetrics().averageCharWidth() * 48);
    lineLabel->setBuddy(m_line);
    layout->addWidget(m_line);
    auto *note = new QLabel(tr("Run as you, without a shell unless the line names one. "
                               "\"Run a command\" in the Action frame runs it instead of an "
                               "action."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    m_before = new QCheckBox(tr("Before the action, run it: the action follows when it has "
                                "ended"),
                             this);
    m_before->setObjectName(QStringLiteral("commandBefore"));
    m_before->setChecked(choices.before);
    layout->addWidget(m_before);

    auto *form = new QFormLayout;
    form->setContentsMargins(20, 0, 0, 0);
    m_limit = new QSpinBox(this);
    m_limit->setObjectName(QStringLiteral("commandLimit"));
    m_limit->setRange(1, CommandChoices::MaximumSeconds / 60);
    m_limit->setSuffix(tr(" min"));
    m_limit->setValue(std::max(1, (choices.limitSeconds + 59) / 60));
    form->addRow(tr("Time limit:"), m_limit);
    m_atLimit = new QComboBox(this);
    m_atLimit->setObjectName(QStringLiteral("commandAtLimit"));
    m_atLimit->addItems({tr("End it and cancel the action"), tr("End it and act")});
    m_atLimit->setCurrentIndex(choices.actAtLimit ? 1 : 0);
    form->addRow(tr("At the limit:"), m_atLimit);
    layout->addLayout(form);
    m_onFailure = new QCheckBox(tr("Act anyway when the command fails"), this);
    m_onFailure->setObjectName(QStringLiteral("commandOnFailure"));
    m_onFailure->setChecked(choices.actOnFailure);
    auto *failureRow = new QVBoxLayout;
    failureRow->setContentsMargins(20, 0, 0, 0);
    failureRow->addWidget(m_onFailure);
    layout->addLayout(failureRow);

    auto *output = new QLabel(
        tr("Its output and errors go to %1").arg(QDir::toNativeSeparators(logPath)), this);
    output->setObjectName(QStringLiteral("commandOutput"));
    output->setWordWrap(true);
    output->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(output);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("commandProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    layout->addWidget(m_problem);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CommandDialog::onAccepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_before, &QCheckBox::toggled, this, &CommandDialog::updateEnabled);
    updateEnabled();
}

CommandChoices CommandDialog::choices() const
{
    const int shown = std::max(1, (m_limitSeconds + 59) / 60);
    return {m_line->text().trimmed(), m_before->isChecked(),
            m_limit->value() == shown ? m_limitSeconds : m_limit->value() * 60,
            m_atLimit->currentIndex() == 1, m_onFailure->isChecked()};
}

void CommandDialog::updateEnabled()
{
    // The limit and the failure speak of an action that follows the command.
    for (QWidget *widget : {static_cast<QWidget *>(m_limit), static_cast<QWidget *>(m_atLimit),
                            static_cast<QWidget *>(m_onFailure)})
        widget->setEnabled(m_before->isChecked());
}

void CommandDialog::onAccepted()
{
    const CommandChoices chosen = choices();
    // An empty line is no command: nothing runs before the action, and Run a command says so.
    const QString problem = chosen.line.isEmpty() ? QString() : m_check(chosen.line);
    if (problem.isEmpty() && chosen.before && chosen.line.isEmpty()) {
        m_problem->setText(tr("Enter the command to run before the action."));
        m_problem->show();
        return;
    }
    if (!problem.isEmpty()) {
        m_problem->setText(problem);
        m_problem->show();
        m_line->setFocus();
        return;
    }
    emit this->chosen(chosen);
    accept();
}
