#include "gui/TrayAnimator.h"
#include "platform/Platform.h"

#include <QPainter>
#include <QVariantAnimation>
#include <QWidget>

#include <memory>
#include <utility>

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
    FrameTrayAnimator()
    {
        m_animation.setDuration(DurationMs);
        m_animation.setEasingCurve(QEasingCurve::InOutQuad);
        QObject::connect(&m_animation, &QVariantAnimation::valueChanged, &m_animation,
                         [this](const QVariant &value) {
                             if (m_frame)
                                 m_frame->place(value.toRect());
                         });
        QObject::connect(&m_animation, &QVariantAnimation::finished, &m_animation,
                         [this] { finish(); });
    }

    void animate(Direction direction, QWidget *window, const QRect &trayIconGeometry,
                 Done done) override
    {
        // One frame at a time: one still flying lands at once.
        if (m_animation.state() != QAbstractAnimation::Stopped)
            m_animation.stop();
        finish();
        const QRect windowRect = window ? window->frameGeometry() : QRect();
        if (!trayIconGeometry.isValid() || !windowRect.isValid()) {
            done();
            return;
        }
        if (!m_frame)
            m_frame = std::make_unique<FrameWindow>();
        m_done = std::move(done);
        m_animation.setStartValue(direction == Direction::ToTray ? windowRect : trayIconGeometry);
        m_animation.setEndValue(direction == Direction::ToTray ? trayIconGeometry : windowRect);
        m_frame->place(m_animation.startValue().toRect());
        m_frame->show();
        m_animation.start();
    }

private:
    void finish()
    {
        if (m_frame)
            m_frame->hide();
        if (Done done = std::exchange(m_done, nullptr))
            done();
    }

    static constexpr int DurationMs = 200;
    QVariantAnimation m_animation;
    std::unique_ptr<FrameWindow> m_frame;
    Done m_done;
};

} // namespace

std::unique_ptr<TrayAnimator> Platform::makeTrayAnimator()
{
    return std::make_unique<FrameTrayAnimator>();
}
