#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Windows activates a window that is clicked, and the active window gets the keys: a click on
// a window that must never take them (the warning before the action) would leave the next
// key typed to press its buttons. A top-level widget whose property NeverActivateProperty is
// true answers WM_MOUSEACTIVATE with MA_NOACTIVATE instead, the way notification windows do:
// the click reaches its button at once, and the keys stay with the window that had them.
class NoActivateFilter final : public QObject, public QAbstractNativeEventFilter
{
public:
    using QObject::QObject;
    static constexpr char NeverActivateProperty[] = "orvantaNeverActivate";

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
};
