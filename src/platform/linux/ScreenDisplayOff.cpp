#include "platform/linux/ScreenParts.h"

#include <QDBusVariant>

#include <xcb/dpms.h>
#include <xcb/xcb.h>

#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace ScreenParts;

void ScreenActions::displayOff(PowerRequester::Done done)
{
    auto *run = new Run(this, std::move(done));
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
    // Forcing a level while DPMS is disabled answers BadMatch: it is enabled first, and left
    // so, since disabling it again would turn the display back on. The server's own timeouts
    // apply from then on.
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
