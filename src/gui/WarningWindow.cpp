#include "gui/WarningWindow.h"

#include "core/AppInfo.h"
#include "core/ArmingService.h"
#include "gui/MoreTimeMenu.h"
#include "gui/Resources.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

WarningWindow::WarningWindow(ArmingService &service, QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_service(service)
{
    setObjectName(QStringLiteral("warningWindow"));
    setWindowTitle(AppInfo::title());
    setWindowIcon(programIcon());
    // Shown without being activated, and never activated by a click either (on Windows Qt
    // then answers WM_MOUSEACTIVATE with MA_NOACTIVATE, as notification windows do): the
    // click presses the button at once, and the keys stay where the user is typing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAccessibleName(tr("Orvanta warning"));
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("warningText"));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 64);
    layout->addWidget(m_text);
    auto *buttons = new QDialogButtonBox(this);
    m_postpone = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_postpone->setObjectName(QStringLiteral("warningPostponeButton"));
    // The other choices: a menu opens only when the user clicks for it.
    m_moreTime = buttons->addButton(tr("More time"), QDialogButtonBox::ActionRole);
    m_moreTime->setObjectName(QStringLiteral("warningMoreTimeButton"));
    auto *moreTime = new MoreTimeMenu(m_moreTime);
    m_moreTime->setMenu(moreTime);
    connect(moreTime, &MoreTimeMenu::chosen, this, [this](int seconds) {
        withdraw();
        m_service.postponeWarned(seconds);
    });
    m_cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("warningCancelButton"));
    // Neither is a default: Enter typed into another window must never reach them, and in
    // this one only a deliberate press does.
    for (QPushButton *button : {m_postpone, m_moreTime, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    layout->addWidget(buttons);
    connect(m_postpone, &QPushButton::clicked, this, [this] {
        withdraw();
        m_service.postponeWarned();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        withdraw();
        m_service.cancelWarned();
    });
    connect(&m_service, &ArmingService::present, this, &WarningWindow::present);
    connect(&m_service, &ArmingService::presentedTextChanged, this, [this](const QString &text) {
        if (isVisible())
            setText(text);
    });
    connect(&m_service, &ArmingService::presentationClosed, this, &WarningWindow::withdraw);
}

void WarningWindow::present(const QString &text, const QString &postpone)
{
    m_postpone->setText(postpone);
    m_postpone->setVisible(!postpone.isEmpty());
    m_moreTime->setVisible(!postpone.isEmpty());
    setText(text);
    // The desktop's own alert (the system's sound on Windows, the bell on X11): silent
    // where the user turned it off.
    if (!postpone.isEmpty() && m_service.warningSound())
        QApplication::beep();
    // Laid out before it is placed: the first showing's frame is only known once shown, so
    // the size hint, not the frame, decides how far from the edge it goes.
    ensurePolished();
    adjustSize();
    place();
    show();
    place();
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
    // The frame as the window system adds it (known once shown), never less than the content.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = sizeHint().expandedTo(size()) + frame.expandedTo(QSize(0, 0));
    move(area.right() - outer.width() - margin, area.bottom() - outer.height() - margin);
}
