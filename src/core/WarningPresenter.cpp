#include "core/WarningPresenter.h"

#include "core/ArmingController.h"
#include "core/Notifier.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

WarningPresenter::WarningPresenter(Notifier *notifier,
                                   std::vector<const ArmingController *> controllers)
    : m_notifier(notifier), m_controllers(std::move(controllers))
{
}

QString WarningPresenter::presentedText() const
{
    QStringList lines;
    bool warning = false;
    for (const ArmingController *controller : m_presented) {
        lines << (controller->warning() ? controller->warningText() : controller->notice());
        warning = warning || controller->warning();
    }
    // The user's own reminder goes with a warning, not with a wait's notice alone.
    if (warning && !m_note.isEmpty())
        lines << m_note;
    return lines.join(u'\n');
}

QString WarningPresenter::postponeCaption() const
{
    for (const ArmingController *controller : m_presented)
        if (controller->warning() && controller->canPostpone())
            return QCoreApplication::translate("ArmingService", "+10 minutes");
    return QString();
}

void WarningPresenter::update()
{
    std::vector<const ArmingController *> now;
    for (const ArmingController *controller : m_controllers)
        if (controller->warning() || !controller->notice().isEmpty())
            now.push_back(controller);
    if (now == m_presented)
        return;
    if (now.empty()) {
        m_presented.clear();
        if (m_notifier)
            m_notifier->close();
        m_presentedByWindow = false;
        emit presentationClosed();
        return;
    }
    // One leaving (carried out, stopped) leaves the warning up for the rest, its text updated;
    // one joining shows it anew: one warning, never two on top of each other, and its Cancel
    // stops all it shows.
    const bool left = std::all_of(now.begin(), now.end(), [this](const ArmingController *c) {
        return std::find(m_presented.begin(), m_presented.end(), c) != m_presented.end();
    });
    if (left && !m_presented.empty()) {
        m_presented = now;
        tick();
        return;
    }
    m_presented = now;
    const QString text = presentedText();
    const QString postpone = postponeCaption();
    if (!m_notifier || m_presentedByWindow) {
        m_presentedByWindow = true;
        emit present(text, postpone);
        return;
    }
    const QPointer<WarningPresenter> self(this);
    const std::vector<const ArmingController *> shown = m_presented;
    m_notifier->show(text, postpone, [self, shown](bool ok) {
        // The window's text is made when it is handed over: a notification server may take
        // seconds to answer, and the seconds left must be right.
        if (!self || ok || self->m_presented != shown)
            return;
        self->m_presentedByWindow = true;
        emit self->present(self->presentedText(), self->postponeCaption());
    });
}

void WarningPresenter::tick()
{
    if (m_presentedByWindow && !m_presented.empty())
        emit presentedTextChanged(presentedText());
}
