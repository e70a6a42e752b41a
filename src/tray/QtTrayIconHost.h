#pragma once

#include "tray/TrayIconHost.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

// The notification-area icon on QSystemTrayIcon.
class QtTrayIconHost final : public TrayIconHost
{
    Q_OBJECT
public:
    // menuDrawnByHost: the desktop draws the icon's menu itself (StatusNotifierItem) and
    // must be handed the menu; otherwise the program pops it up when asked.
    explicit QtTrayIconHost(bool menuDrawnByHost = false, QObject *parent = nullptr);
    ~QtTrayIconHost() override;

    void add(QWidget *window, const QIcon &icon, const TrayIconData &data, QMenu *menu) override;
    void remove() override;
    bool isAvailable() const override;
    bool isVisible() const override;
    QRect geometry() const override;

    // While no notification area exists, how often to look for one.
    static constexpr int AvailabilityPollMs = 1000;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void pollAvailability();

    bool m_menuDrawnByHost;
    QSystemTrayIcon *m_icon = nullptr;
    QTimer m_poll;
    QElapsedTimer m_lastTrigger;
};
