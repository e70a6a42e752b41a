#include "gui/MoreTimeMenu.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPointer>
#include <QTimeEdit>

MoreTimeMenu::MoreTimeMenu(QWidget *parent) : QMenu(tr("More time"), parent)
{
    setObjectName(QStringLiteral("moreTimeMenu"));
    menuAction()->setObjectName(QStringLiteral("moreTimeAction"));
    const struct
    {
        const char *caption;
        int minutes;
        const char *name;
    } choices[] = {{QT_TR_NOOP("+10 minutes"), 10, "moreTime10Action"},
                   {QT_TR_NOOP("+30 minutes"), 30, "moreTime30Action"},
                   {QT_TR_NOOP("+1 hour"), 60, "moreTime60Action"}};
    for (const auto &choice : choices) {
        QAction *action = addAction(tr(choice.caption));
        action->setObjectName(QLatin1String(choice.name));
        const int seconds = choice.minutes * 60;
        connect(action, &QAction::triggered, this, [this, seconds] { emit chosen(seconds); });
    }
    QAction *other = addAction(tr("Other…"));
    other->setObjectName(QStringLiteral("moreTimeOtherAction"));
    connect(other, &QAction::triggered, this, &MoreTimeMenu::askOther);
}

void MoreTimeMenu::askOther()
{
    // Opened, never run in a loop of its own: the countdown goes on meanwhile, and what is
    // chosen applies to whatever is armed when OK is pressed. Over the main window, not over
    // the menu it came from or the warning, which may go before OK is pressed.
    QWidget *owner = parentWidget();
    while (owner && owner->parentWidget())
        owner = owner->parentWidget();
    auto *dialog = new QDialog(owner);
    dialog->setObjectName(QStringLiteral("moreTimeDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("More time"));
    auto *form = new QFormLayout(dialog);
    auto *time = new QTimeEdit(dialog);
    time->setObjectName(QStringLiteral("moreTimeEdit"));
    time->setDisplayFormat(QStringLiteral("H:mm"));
    time->setMinimumTime(QTime(0, 1));
    time->setMaximumTime(QTime(23, 59));
    time->setTime(QTime(0, 15));
    form->addRow(tr("Later by (H:MM):"), time);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    const QPointer<MoreTimeMenu> self(this);
    connect(dialog, &QDialog::accepted, this, [self, time] {
        if (self)
            emit self->chosen(QTime(0, 0).secsTo(time->time()));
    });
    dialog->open();
}
