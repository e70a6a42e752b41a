#include "gui/WaitDialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// WORKAROUND: as for the time fields (TimeField.cpp): QLineEdit centres its text on the
// text's bounding box, which a font with tall Windows extents (wine's fallback without
// Windows fonts) makes several lines high, and the text lands above the field, out of sight.
// Top alignment places the line by its ascent. The dialog's font is the application's, set
// before the dialog is built.
template <typename Field> void keepTextInSight(Field *field)
{
    const QFontMetrics metrics(field->font());
    if (metrics.boundingRect(QStringLiteral("0123456789")).height() > metrics.height())
        field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

WaitDialog::WaitDialog(WaitOrder::Kind kind, const QList<RunningProgram> &running,
                       const WaitChoices &last, Qt::CaseSensitivity nameCase, QWidget *parent)
    : QDialog(parent), m_kind(kind), m_last(last)
{
    setObjectName(QStringLiteral("waitDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *start = buttons->addButton(tr("Start"), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("waitStartButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (kind == WaitOrder::Kind::ProgramEnd) {
        setWindowTitle(tr("When a program ends"));
        auto *label = new QLabel(tr("The action follows when the last of the chosen programs "
                                    "has ended:"),
                                 this);
        label->setWordWrap(true);
        layout->addWidget(label);
        auto *filter = new QLineEdit(this);
        filter->setObjectName(QStringLiteral("programFilter"));
        filter->setPlaceholderText(tr("Type to find a program"));
        filter->setAccessibleName(tr("Find a program"));
        filter->setClearButtonEnabled(true);
        keepTextInSight(filter);
        layout->addWidget(filter);
        m_programs = new QListWidget(this);
        m_programs->setObjectName(QStringLiteral("programList"));
        m_programs->setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_programs->setAccessibleName(tr("Running programs"));
        label->setBuddy(m_programs);
        for (const RunningProgram &program : running) {
            if (!program.ownedByUser)
                continue;
            // The command line tells two of the same name apart.
            auto *item = new QListWidgetItem(
                QStringLiteral("%1 \u2014 %2").arg(program.label(), program.commandLine),
                m_programs);
            item->setToolTip(program.commandLine);
            item->setSelected(last.programs.contains(program.name, nameCase));
            m_running << program;
        }
        m_programs->setMinimumSize(420, 220);
        connect(filter, &QLineEdit::textChanged, this, [this](const QString &text) {
            for (int i = 0; i < m_programs->count(); ++i)
                m_programs->item(i)->setHidden(
                    !m_programs->item(i)->text().contains(text, Qt::CaseInsensitive));
        });
        layout->addWidget(m_programs);
        const auto enableStart = [this, start] {
            start->setEnabled(!m_programs->selectedItems().isEmpty());
        };
        enableStart();
        connect(m_programs, &QListWidget::itemSelectionChanged, this, enableStart);
        if (!m_programs->selectedItems().isEmpty())
            m_programs->scrollToItem(m_programs->selectedItems().first(),
                                     QAbstractItemView::PositionAtCenter);
    } else if (kind == WaitOrder::Kind::Quiet) {
        setWindowTitle(tr("When the computer is quiet"));
        auto *label = new QLabel(tr("The action follows when the computer has been quiet this "
                                    "long. A single busy CPU or disk keeps it busy."),
                                 this);
        label->setWordWrap(true);
        layout->addWidget(label);
        m_minutes =
            addSpinBox(tr("Quiet for"), WaitChoices::MaximumMinutes, last.quietMinutes, tr(" min"));
        m_cpu =
            addSpinBox(tr("Each CPU's use below"), WaitChoices::MaximumPercent, last.cpuPercent,
                       tr(" %"), tr("One busy CPU keeps the computer busy, however many it has."));
        m_disk =
            addSpinBox(tr("Each disk's traffic below"), WaitChoices::MaximumKBps, last.diskKBps,
                       tr(" KB/s"), tr("Read and written on the busiest disk."));
        m_network =
            addSpinBox(tr("Network traffic below"), WaitChoices::MaximumKBps, last.networkKBps,
                       tr(" KB/s"), tr("Received and sent on all connections together."));
    } else {
        setWindowTitle(tr("When nobody uses the computer"));
        m_minutes = addSpinBox(tr("No keyboard or mouse input for"), WaitChoices::MaximumMinutes,
                               last.idleMinutes, tr(" min"));
    }
    layout->addWidget(buttons);
}

QSpinBox *WaitDialog::addSpinBox(const QString &label, int maximum, int value,
                                 const QString &suffix, const QString &description)
{
    if (!m_form) {
        m_form = new QFormLayout;
        static_cast<QVBoxLayout *>(layout())->addLayout(m_form);
    }
    auto *box = new QSpinBox(this);
    box->setRange(1, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setAccessibleName(label);
    box->setAccessibleDescription(description);
    box->setToolTip(description);
    keepTextInSight(box);
    m_form->addRow(label, box);
    return box;
}

WaitOrder WaitDialog::order() const
{
    WaitOrder order;
    order.kind = m_kind;
    if (m_programs) {
        for (int i = 0; i < m_programs->count(); ++i)
            if (m_programs->item(i)->isSelected())
                order.programs << m_running.at(i);
    }
    if (m_kind == WaitOrder::Kind::Quiet) {
        order.quiet.spanMs = qint64(m_minutes->value()) * 60000;
        order.quiet.cpuPercent = m_cpu->value();
        order.quiet.diskKBps = m_disk->value();
        order.quiet.networkKBps = m_network->value();
    } else if (m_kind == WaitOrder::Kind::Idle) {
        order.idleMs = qint64(m_minutes->value()) * 60000;
    }
    return order;
}

WaitChoices WaitDialog::choices() const
{
    WaitChoices choices = m_last;
    const WaitOrder chosen = order();
    switch (m_kind) {
    case WaitOrder::Kind::ProgramEnd:
        choices.programs.clear();
        for (const RunningProgram &program : chosen.programs)
            if (!choices.programs.contains(program.name))
                choices.programs << program.name;
        break;
    case WaitOrder::Kind::Quiet:
        choices.quietMinutes = m_minutes->value();
        choices.cpuPercent = m_cpu->value();
        choices.diskKBps = m_disk->value();
        choices.networkKBps = m_network->value();
        break;
    case WaitOrder::Kind::Idle:
        choices.idleMinutes = m_minutes->value();
        break;
    }
    return choices;
}
