#include "platform/linux/IdleParts.h"
#include "platform/linux/ScreenParts.h"

#include <QDBusVariant>

#include <xcb/dpms.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;
using namespace ScreenParts;

namespace {

std::optional<XBlanking> readBlanking(xcb_connection_t *x11)
{
    xcb_get_screen_saver_reply_t *saver =
        xcb_get_screen_saver_reply(x11, xcb_get_screen_saver(x11), nullptr);
    if (!saver)
        return std::nullopt;
    XBlanking blanking{saver->timeout, saver->interval, saver->prefer_blanking,
                       saver->allow_exposures};
    std::free(saver);
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(x11, &xcb_dpms_id);
    if (!extension || !extension->present)
        return blanking;
    xcb_dpms_info_reply_t *info = xcb_dpms_info_reply(x11, xcb_dpms_info(x11), nullptr);
    xcb_dpms_get_timeouts_reply_t *timeouts =
        xcb_dpms_get_timeouts_reply(x11, xcb_dpms_get_timeouts(x11), nullptr);
    if (info && timeouts) {
        blanking.dpms = true;
        blanking.dpmsEnabled = info->state;
        blanking.displayOn = info->power_level == XCB_DPMS_DPMS_MODE_ON;
        blanking.standby = timeouts->standby_timeout;
        blanking.suspend = timeouts->suspend_timeout;
        blanking.off = timeouts->off_timeout;
    }
    std::free(info);
    std::free(timeouts);
    return blanking;
}

// Sets back what differs from `now`, and nothing else: setting the screen saver starts its
// time again.
void writeBlanking(xcb_connection_t *x11, const XBlanking &wanted, const XBlanking &now)
{
    if (wanted.saverTimeout != now.saverTimeout || wanted.saverInterval != now.saverInterval ||
        wanted.preferBlanking != now.preferBlanking || wanted.allowExposures != now.allowExposures)
        xcb_set_screen_saver(x11, qint16(wanted.saverTimeout), qint16(wanted.saverInterval),
                             wanted.preferBlanking, wanted.allowExposures);
    if (wanted.dpms && now.dpms) {
        if (wanted.standby != now.standby || wanted.suspend != now.suspend || wanted.off != now.off)
            xcb_dpms_set_timeouts(x11, wanted.standby, wanted.suspend, wanted.off);
        if (wanted.dpmsEnabled && !now.dpmsEnabled)
            xcb_dpms_enable(x11);
        else if (!wanted.dpmsEnabled && now.dpmsEnabled)
            xcb_dpms_disable(x11);
    }
    xcb_flush(x11);
}

} // namespace

void ScreenActions::keepBlanking()
{
    xcb_connection_t *x11 = toolkitX11();
    if (m_keptBlanking || !x11)
        return;
    if (const std::optional<XBlanking> before = readBlanking(x11)) {
        m_keptBlanking = std::make_unique<KeptBlanking>();
        m_keptBlanking->before = *before;
    }
}

void ScreenActions::restoreBlankingOnInput()
{
    if (!m_keptBlanking || m_keptBlanking->input)
        return;
    // Without the server's idle counter nothing tells when somebody is back: what the
    // request changed stays, rather than turn the display on again now.
    const quint32 counter = findXSyncIdleCounter();
    if (!counter)
        return m_keptBlanking.reset();
    m_keptBlanking->input = makeXSyncIdleSource(counter);
    // Queued: the source that tells it is let go of there.
    connect(m_keptBlanking->input.get(), &IdleSource::inUse, this, &ScreenActions::restoreBlanking,
            Qt::QueuedConnection);
    m_keptBlanking->input->start(1);
}

void ScreenActions::restoreBlanking()
{
    xcb_connection_t *x11 = toolkitX11();
    if (!m_keptBlanking || !x11)
        return;
    const std::optional<XBlanking> now = readBlanking(x11);
    // Turning DPMS off turns the display on: while it is still off, the next input decides.
    if (now && !now->displayOn)
        return restoreBlankingOnInput();
    if (now)
        writeBlanking(x11, m_keptBlanking->before, *now);
    m_keptBlanking.reset();
}

void ScreenActions::displayOff(PowerRequester::Done done)
{
    keepBlanking();
    auto *run = new Run(this, [this, done = std::move(done)](const PowerResult &result) {
        result.accepted ? restoreBlankingOnInput() : restoreBlanking();
        done(result);
    });
    // Nothing is answered from inside displayOff().
    QTimer::singleShot(0, run, [this, run] {
        displayOffWithX11(run, [this, run] {
            run->call(m_session, listNames(), [this, run](const QDBusMessage &reply) {
                const QStringList names = firstValue(reply).toStringList();
                if (!answered(reply))
                    run->steps << u"session bus ListNames(): "_s + answerText(reply);
                displayOffWithMutter(run, names, [this, run, names] {
                    displayOffWithPlasma(run, names, [run] {
                        run->refuse(run->asked ? Refusal::NotConfirmed : Refusal::NoService);
                    });
                });
            });
        });
    });
}

void ScreenActions::displayOffWithX11(Run *run, std::function<void()> next)
{
    xcb_connection_t *x11 = toolkitX11();
    if (!x11) {
        run->steps << QStringLiteral("no X11 display");
        return next();
    }
    QString why;
    if (!dpmsCapable(x11, &why)) {
        run->steps << why;
        return next();
    }
    xcb_dpms_info_reply_t *info = xcb_dpms_info_reply(x11, xcb_dpms_info(x11), nullptr);
    const bool enabled = info && info->state;
    std::free(info);
    // Forcing a level while DPMS is disabled answers BadMatch: it is enabled first, and
    // disabled again only once the display is back on (disabling it turns the display on),
    // lest the server's own timeouts blank the screen from then on.
    xcb_generic_error_t *error =
        enabled ? nullptr : xcb_request_check(x11, xcb_dpms_enable_checked(x11));
    if (!error)
        error = xcb_request_check(x11, xcb_dpms_force_level_checked(x11, XCB_DPMS_DPMS_MODE_OFF));
    if (error) {
        run->steps << QStringLiteral("X server DPMS: error %1").arg(error->error_code);
        std::free(error);
        return next();
    }
    run->asked = true;
    info = xcb_dpms_info_reply(x11, xcb_dpms_info(x11), nullptr);
    const int level = info ? info->power_level : -1;
    std::free(info);
    if (level == XCB_DPMS_DPMS_MODE_OFF)
        return run->accept();
    run->steps << QStringLiteral("X server DPMS level after ForceLevel(off): %1").arg(level);
    next();
}

void ScreenActions::displayOffWithMutter(Run *run, const QStringList &names,
                                         std::function<void()> next)
{
    if (!names.contains(Mutter)) {
        run->steps << Mutter + u": not on the session bus"_s;
        return next();
    }
    const QDBusMessage read = getProperty(Mutter, MutterPath, Mutter, u"PowerSaveMode"_s);
    run->call(m_session, read, [=, this](const QDBusMessage &before) {
        // -1: this display cannot save power, and is not to be asked to.
        if (!answered(before) || firstValue(before).toInt() < 0) {
            run->steps << Mutter + u" PowerSaveMode: "_s + answerText(before);
            return next();
        }
        listen({run, false, before.service(), MutterPath, Properties,
                QStringLiteral("PropertiesChanged"), [run](const QDBusMessage &signal) {
                    if (changedTo(signal, Mutter, QStringLiteral("PowerSaveMode"), 3))
                        run->accept();
                }});
        QDBusMessage set =
            QDBusMessage::createMethodCall(Mutter, MutterPath, Properties, QStringLiteral("Set"));
        // 3 is off; standby and suspend (1, 2) are no different on most displays today.
        set << Mutter << QStringLiteral("PowerSaveMode") << QVariant::fromValue(QDBusVariant(3));
        run->call(m_session, set, [=, this](const QDBusMessage &reply) {
            run->steps << Mutter + u" PowerSaveMode=3: "_s + answerText(reply);
            if (!maybeDone(reply))
                return next();
            run->asked = true;
            run->confirm(m_session, read, Mutter + u" PowerSaveMode"_s, 3, next);
        });
    });
}

void ScreenActions::displayOffWithPlasma(Run *run, const QStringList &names,
                                         std::function<void()> next)
{
    if (!names.contains(GlobalAccel)) {
        run->steps << GlobalAccel + u": not on the session bus"_s;
        return next();
    }
    run->call(m_session, shortcutNames(), [=, this](const QDBusMessage &shortcuts) {
        if (!firstValue(shortcuts).toStringList().contains(TurnOffScreen)) {
            run->steps << GlobalAccel + u" "_s + PowerDevilShortcuts + u" shortcutNames(): "_s +
                              answerText(shortcuts);
            return next();
        }
        QDBusMessage invoke = QDBusMessage::createMethodCall(GlobalAccel, PowerDevilShortcuts,
                                                             GlobalAccel + u".Component"_s,
                                                             QStringLiteral("invokeShortcut"));
        invoke << TurnOffScreen;
        run->call(m_session, invoke, [=](const QDBusMessage &reply) {
            run->steps << GlobalAccel + u" invokeShortcut("_s + TurnOffScreen + u"): "_s +
                              answerText(reply);
            if (!answered(reply))
                return next();
            // Plasma tells nobody on the bus whether its outputs are off: the shortcut's
            // answer is all there is to go by.
            run->accept();
        });
    });
}
