#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <memory>

class QMenu;
class QWidget;

struct TrayIconData;

// The main window's icon in the notification area. Hosts report two gestures only: a left
// double-click (restore) and a request for the tray menu at a screen position; a host that
// draws the menu itself never asks for it.
class TrayIconHost : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayIconHost() override = default;

    virtual void add(QWidget *window, const QIcon &icon, const TrayIconData &data, QMenu *menu) = 0;
    virtual void remove() = 0;
    // Whether the desktop has a notification area right now.
    virtual bool isAvailable() const = 0;
    virtual bool isVisible() const = 0;
    // The icon's place on screen, invalid when the platform does not tell.
    virtual QRect geometry() const = 0;

signals:
    void restoreRequested();
    void menuRequested(const QPoint &globalPos);
    void availabilityChanged(bool available);
};

// Defined once per platform under platform/ (or by the Qt host in tray/).
std::unique_ptr<TrayIconHost> makePlatformTrayIconHost();
