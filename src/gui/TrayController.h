#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QMenu;
class QWidget;
class TrayAnimator;
class TrayWatcher;

// Hides a window into the notification area and brings it back: the icon, its gestures
// (a left double-click restores, a right click asks for the menu) and the caption
// animation, and the icon's menu. A desktop that draws the menu itself (StatusNotifierItem)
// is handed the menu. The menu has actions of its own, not the menu bar's: accessibility
// reports an action's place from the first menu that shows it, so shared ones would be
// reported where the File and Help menus are.
class TrayController final : public QObject
{
    Q_OBJECT
public:
    TrayController(QWidget *window, TrayAnimator &animator, QObject *parent);
    ~TrayController() override;

    // Puts the icon into the notification area; the toolkit docks it when one appears.
    // watcher (may be null) tells when an area comes or goes.
    void addIcon(const QString &toolTip, bool menuDrawnByHost, TrayWatcher *watcher);
    // Takes the icon away for good; the window is no longer restored.
    void removeIcon();

    void setToolTip(const QString &toolTip);
    // What the icon says when pointed at; empty while there is no icon.
    QString toolTip() const { return m_icon ? m_icon->toolTip() : QString(); }
    // A balloon from the icon; false when there is no icon to show it from.
    bool showMessage(const QString &title, const QString &text);

    // Both play the animation first and hide or show when it ends; asked again meanwhile,
    // the last wish is what happens then.
    void hideWindow();
    void restoreWindow();
    // Hidden or on its way there, minimized, or minimized where the window system never
    // says so.
    bool windowOutOfSight() const;

    // "More time" and "Stop" above the usual entries, while something is armed.
    void setArmedEntries(bool armed);

signals:
    void aboutRequested();
    void schedulesRequested();
    void exitRequested();
    // More time, in seconds, for whatever is armed.
    void moreTimeRequested(int seconds);
    void stopRequested();

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void showMenu(const QPoint &globalPos);
    void onTrayChanged();
    void animate(bool toTray);
    void onAnimated();
    void showWindow();

    QWidget *m_window;
    TrayAnimator &m_animator;
    QMenu *m_menu;
    QAction *m_moreTimeAction = nullptr;
    QAction *m_stopAction = nullptr;
    QAction *m_armedSeparator = nullptr;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    bool m_removed = false;
    bool m_minimizedUnseen = false;
    bool m_animating = false;
    bool m_hiddenWhenAnimated = false; // the last wish while animating
    QString m_toolTip;
    QElapsedTimer m_lastTrigger;
};
