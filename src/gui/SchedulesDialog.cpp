#include "gui/SchedulesDialog.h"

#include "core/ScheduleEdits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

constexpr quint8 Weekdays = 0x1f;

} // namespace

ScheduleEditor::ScheduleEditor(const ScheduleRule &rule, const Capabilities &capabilities,
                               const QString &wakeWhyNot, QWidget *parent)
    : QDialog(parent), m_enabled(rule.enabled)
{
    setWindowTitle(tr("Schedule"));
    setObjectName(QStringLiteral("repeatEditor"));
    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    grid->addWidget(new QLabel(tr("Days:"), this), 0, 0, Qt::AlignTop);
    auto *days = new QHBoxLayout;
    const QLocale locale;
    for (int day = 1; day <= 7; ++day) { // Qt numbers Monday 1 .. Sunday 7
        auto *box = new QCheckBox(locale.dayName(day, QLocale::ShortFormat), this);
        box->setAccessibleName(locale.dayName(day, QLocale::LongFormat));
        connect(box, &QCheckBox::toggled, this, &ScheduleEditor::updateOk);
        days->addWidget(box);
        m_days << box;
    }
    grid->addLayout(days, 0, 1);
    auto *presets = new QHBoxLayout;
    auto *everyDay = new QPushButton(tr("Every day"), this);
    auto *weekdays = new QPushButton(tr("Monday to Friday"), this);
    for (QPushButton *button : {everyDay, weekdays}) {
        button->setAutoDefault(false);
        presets->addWidget(button);
    }
    presets->addStretch();
    connect(everyDay, &QPushButton::clicked, this, [this] { setDays(ScheduleRule::EveryDay); });
    connect(weekdays, &QPushButton::clicked, this, [this] { setDays(Weekdays); });
    grid->addLayout(presets, 1, 1);

    grid->addWidget(new QLabel(tr("Time:"), this), 2, 0);
    m_time = new QTimeEdit(QTime(rule.hour, rule.minute), this);
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    m_time->setAccessibleName(tr("Time"));
    grid->addWidget(m_time, 2, 1, Qt::AlignLeft);

    grid->addWidget(new QLabel(tr("Action:"), this), 3, 0);
    m_action = new QComboBox(this);
    m_action->setAccessibleName(tr("Action"));
    auto *model = qobject_cast<QStandardItemModel *>(m_action->model());
    for (Action action : AllActions) {
        if (!isPowerAction(action))
            continue; // a schedule runs no command
        m_action->addItem(PowerTexts::actionCaption(action), int(action));
        const Capability &can = capabilities[std::size_t(action)];
        if (QStandardItem *item = model ? model->item(m_action->count() - 1) : nullptr;
            item && !can.possible) {
            item->setEnabled(false);
            item->setToolTip(can.reason);
        }
    }
    m_action->setCurrentIndex(m_action->findData(int(rule.action)));
    grid->addWidget(m_action, 3, 1, Qt::AlignLeft);

    m_force = new QCheckBox(tr("Force (no warnings by other programs, etc.)"), this);
    m_force->setChecked(rule.force);
    grid->addWidget(m_force, 4, 1);

    m_wake = new QCheckBox(tr("Wake the computer for this"), this);
    m_wake->setObjectName(QStringLiteral("wakeBox"));
    // Where the computer cannot be woken, a schedule that wakes may still be told not to.
    m_wake->setChecked(rule.wake);
    m_wake->setEnabled(wakeWhyNot.isEmpty() || rule.wake);
    m_wake->setToolTip(wakeWhyNot.isEmpty()
                           ? tr("Wake the computer from sleep about two minutes before the "
                                "time, so that the warning and the action come. It cannot wake "
                                "a computer that hibernates or is turned off.")
                           : wakeWhyNot);
    m_wake->setAccessibleDescription(m_wake->toolTip());
    grid->addWidget(m_wake, 5, 1);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(m_buttons, 6, 0, 1, 2);
    setDays(rule.days);
}

void ScheduleEditor::setDays(quint8 days)
{
    for (int i = 0; i < m_days.size(); ++i)
        m_days[i]->setChecked(days & (1u << i));
    updateOk();
}

void ScheduleEditor::updateOk()
{
    // A schedule without a day would never come.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(rule().days != 0);
}

ScheduleRule ScheduleEditor::rule() const
{
    ScheduleRule rule;
    rule.days = 0;
    for (int i = 0; i < m_days.size(); ++i)
        if (m_days[i]->isChecked())
            rule.days |= quint8(1u << i);
    rule.hour = m_time->time().hour();
    rule.minute = m_time->time().minute();
    rule.action = static_cast<Action>(m_action->currentData().toInt());
    rule.force = m_force->isChecked();
    rule.wake = m_wake->isChecked();
    rule.enabled = m_enabled;
    return rule;
}

SchedulesDialog::SchedulesDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Schedules"));
    setObjectName(QStringLiteral("schedulesDialog"));
    auto *layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Schedules"));
    m_list->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        const bool on = item->checkState() == Qt::Checked;
        if (row < 0 || std::size_t(row) >= m_schedules.size() ||
            m_schedules[std::size_t(row)].rule.enabled == on)
            return;
        ScheduleRule rule = m_schedules[std::size_t(row)].rule;
        rule.enabled = on;
        emit changed(m_schedules[std::size_t(row)].key, rule);
    });
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { edit(m_list->row(item)); });

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("Add…"), this);
    m_editButton = new QPushButton(tr("Edit…"), this);
    m_removeButton = new QPushButton(tr("Remove"), this);
    auto *close = new QPushButton(tr("Close"), this);
    for (QPushButton *button : {add, m_editButton, m_removeButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    connect(add, &QPushButton::clicked, this, [this] { edit(-1); });
    connect(m_editButton, &QPushButton::clicked, this, [this] { edit(m_list->currentRow()); });
    connect(m_removeButton, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        if (row < 0 || std::size_t(row) >= m_schedules.size())
            return;
        emit removed(m_schedules[std::size_t(row)].key);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_editButton->setEnabled(row >= 0);
        m_removeButton->setEnabled(row >= 0);
    });
    showRules();
}

void SchedulesDialog::setSchedules(const std::vector<StoredSchedule> &schedules)
{
    m_schedules = schedules;
    showRules();
}

void SchedulesDialog::setStartNote(const QString &note)
{
    m_note->setText(note);
}

void SchedulesDialog::showRules()
{
    const int current = m_list->currentRow();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const StoredSchedule &schedule : m_schedules) {
        auto *item = new QListWidgetItem(ScheduleEdits::describe(schedule.rule), m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(schedule.rule.enabled ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setCurrentRow(std::min<int>(current, int(m_schedules.size()) - 1));
    m_editButton->setEnabled(m_list->currentRow() >= 0);
    m_removeButton->setEnabled(m_list->currentRow() >= 0);
}

void SchedulesDialog::edit(int row)
{
    ScheduleRule rule;
    int key = -1;
    if (row >= 0 && std::size_t(row) < m_schedules.size()) {
        rule = m_schedules[std::size_t(row)].rule;
        key = m_schedules[std::size_t(row)].key;
    }
    // Window-modal and answered through its signal: no nested event loop. The schedule is
    // named by its key, not by the row it had when the editor opened.
    auto *editor = new ScheduleEditor(rule, m_capabilities, m_wakeWhyNot, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QDialog::accepted, this, [this, editor, key] {
        if (key < 0)
            emit added(editor->rule());
        else
            emit changed(key, editor->rule());
    });
    editor->open();
}
