#include "gui/TrayAnimator.h"
#include "platform/Platform.h"

#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

namespace {

// A hollow frame on top of everything; the mask keeps only its border, so it needs no
// compositor to look right.
class FrameWindow final : public QWidget
{
public:
    FrameWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint)
    {
        setObjectName(QStringLiteral("trayAnimationFrame"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    void place(const QRect &r)
    {
        setGeometry(r);
        const QRect inner = QRect(QPoint(), r.size()).adjusted(Border, Border, -Border, -Border);
        QRegion mask(QRect(QPoint(), r.size()));
        if (inner.isValid())
            mask -= QRegion(inner);
        setMask(mask);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
    }

private:
    static constexpr int Border = 2;
};

class FrameTrayAnimator final : public TrayAnimator
{
public:
    void animate(Direction direction, QWidget *window, const QRect &trayIconGeometry) override
    {
        if (!window || !trayIconGeometry.isValid())
            return;
        const QRect windowRect = window->frameGeometry();
        if (!windowRect.isValid())
            return;
        FrameWindow frame;
        QVariantAnimation animation;
        animation.setDuration(DurationMs);
        animation.setEasingCurve(QEasingCurve::InOutQuad);
        animation.setStartValue(direction == Direction::ToTray ? windowRect : trayIconGeometry);
        animation.setEndValue(direction == Direction::ToTray ? trayIconGeometry : windowRect);
        QObject::connect(&animation, &QVariantAnimation::valueChanged, &frame,
                         [&frame](const QVariant &value) { frame.place(value.toRect()); });
        frame.place(animation.startValue().toRect());
        frame.show();

        // The caller hides or shows only after the frame has arrived. Timers run on while
        // the loop spins (a countdown keeps ticking); input waits until the loop returns.
        QEventLoop loop;
        QObject::connect(&animation, &QVariantAnimation::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(DurationMs * 5, &loop, &QEventLoop::quit);
        animation.start();
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        animation.stop();
        frame.hide();
    }

private:
    static constexpr int DurationMs = 200;
};

} // namespace

std::unique_ptr<TrayAnimator> Platform::makeTrayAnimator()
{
    return std::make_unique<FrameTrayAnimator>();
}
