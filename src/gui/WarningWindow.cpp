#include "gui/WarningWindow.h"

#include "core/AppInfo.h"
#include "core/ArmingController.h"
#include "core/Schedule.h"
#include "gui/Resources.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

WarningWindow::WarningWindow(ArmingController &arming, QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_arming(arming)
{
    setObjectName(QStringLiteral("warningWindow"));
    setWindowTitle(AppInfo::title());
    setWindowIcon(programIcon());
    // Shown without being activated: the focus stays where the user is typing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAccessibleName(tr("Orvanta warning"));
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("warningText"));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 56);
    layout->addWidget(m_text);
    auto *buttons = new QDialogButtonBox(this);
    m_postpone = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_postpone->setObjectName(QStringLiteral("warningPostponeButton"));
    m_cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("warningCancelButton"));
    // Neither is a default: Enter typed into another window must never reach them, and in
    // this one only a deliberate press does.
    for (QPushButton *button : {m_postpone, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    layout->addWidget(buttons);
    connect(m_postpone, &QPushButton::clicked, this, [this] {
        withdraw();
        m_arming.postpone(ArmingController::PostponeSeconds);
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        withdraw();
        m_arming.stop();
    });
    connect(&m_arming, &ArmingController::warnInstead, this, [this](const QString &text) {
        const bool warning = m_arming.state() == ArmingController::State::Armed;
        present(text, warning ? m_arming.postponeCaption() : QString());
    });
    connect(&m_arming, &ArmingController::ticked, this, &WarningWindow::update);
    connect(&m_arming, &ArmingController::warningClosed, this, &WarningWindow::withdraw);
}

void WarningWindow::update()
{
    if (isVisible() && m_arming.state() == ArmingController::State::Armed)
        setText(PowerTexts::warningText(
            m_arming.order().action, std::max<qint64>(0, m_arming.schedule().secondsUntilDue())));
}

void WarningWindow::present(const QString &text, const QString &postpone)
{
    m_postpone->setText(postpone);
    m_postpone->setVisible(!postpone.isEmpty());
    setText(text);
    adjustSize();
    place();
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void WarningWindow::setText(const QString &text)
{
    if (m_text->text() == text)
        return;
    m_text->setText(text);
    m_text->setAccessibleName(text);
}

void WarningWindow::withdraw()
{
    hide();
}

// The corner where notifications appear: bottom right, above the task bar.
void WarningWindow::place()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int margin = style()->pixelMetric(QStyle::PM_LayoutTopMargin) * 2;
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    move(area.right() - size.width() - margin, area.bottom() - size.height() - margin);
}
