#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>

class QMenu;
class QWidget;
class TrayAnimator;

// Hides a window into the notification area and brings it back: the icon, its gestures
// (a left double-click restores, a right click asks for the menu) and the caption
// animation. A desktop that draws the menu itself (StatusNotifierItem) is handed the menu.
class TrayController final : public QObject
{
    Q_OBJECT
public:
    TrayController(QWidget *window, TrayAnimator &animator, QMenu *menu, QObject *parent);
    ~TrayController() override;

    // Puts the icon into the notification area, or waits for one to appear.
    void addIcon(const QString &toolTip, bool menuDrawnByHost);
    // Takes the icon away for good; the window is no longer restored.
    void removeIcon();

    void hideWindow();
    void restoreWindow();

    // While no notification area exists, how often to look for one.
    static constexpr int AvailabilityPollMs = 1000;

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void showMenu(const QPoint &globalPos);
    void pollAvailability();

    QWidget *m_window;
    TrayAnimator &m_animator;
    QMenu *m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    bool m_removed = false;
    QTimer m_poll;
    QElapsedTimer m_lastTrigger;
};
