#include "gui/WarningMenu.h"

#include "core/Settings.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

WarningMenu::WarningMenu(QWidget *parent)
    : QMenu(tr("Warning before the action"), parent), m_leads(new QActionGroup(this))
{
    setObjectName(QStringLiteral("warningMenu"));
    menuAction()->setObjectName(QStringLiteral("warnAction"));
    for (const int minutes : WarningLeads) {
        const QString caption = minutes == 0   ? tr("No warning")
                                : minutes == 1 ? tr("1 minute before")
                                               : tr("%n minutes before", nullptr, minutes);
        QAction *action = addAction(caption);
        action->setObjectName(QStringLiteral("warn%1Action").arg(minutes));
        action->setCheckable(true);
        action->setData(minutes);
        action->setChecked(minutes == m_leadMinutes);
        m_leads->addAction(action);
        connect(action, &QAction::triggered, this, [this, minutes] {
            m_leadMinutes = minutes;
            emit changed();
        });
    }
    addSeparator();
    QAction *more = addAction(tr("Sound and own text…"));
    more->setObjectName(QStringLiteral("warningOptionsAction"));
    connect(more, &QAction::triggered, this, &WarningMenu::editSoundAndNote);
}

void WarningMenu::setChoices(int leadMinutes, bool sound, const QString &note)
{
    m_leadMinutes = leadMinutes;
    m_sound = sound;
    m_note = note;
    for (QAction *action : m_leads->actions())
        action->setChecked(action->data().toInt() == leadMinutes);
}

void WarningMenu::editSoundAndNote()
{
    auto *dialog = new QDialog(parentWidget() ? parentWidget()->window() : nullptr);
    dialog->setObjectName(QStringLiteral("warningOptionsDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Warning before the action"));
    auto *form = new QFormLayout(dialog);
    // The desktop's own notification sound: where the user turned sounds off, none.
    auto *sound = new QCheckBox(tr("Play the desktop's notification sound"), dialog);
    sound->setObjectName(QStringLiteral("warningSoundBox"));
    sound->setChecked(m_sound);
    form->addRow(sound);
    auto *note = new QLineEdit(m_note, dialog);
    note->setObjectName(QStringLiteral("warningNoteField"));
    note->setMaxLength(Settings::MaximumNoteLength);
    note->setPlaceholderText(tr("e.g. Save your work in the editor"));
    note->setMinimumWidth(note->fontMetrics().averageCharWidth() * 40);
    form->addRow(tr("Your own text in the warning:"), note);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(dialog, &QDialog::accepted, this, [this, sound, note] {
        const QString text = note->text().simplified();
        if (sound->isChecked() == m_sound && text == m_note)
            return;
        m_sound = sound->isChecked();
        m_note = text;
        emit changed();
    });
    dialog->open();
}
