#include "TestServices.h"

#include "schedule/TickTimer.h"
#include "tray/QtTrayIconHost.h"
#include "tray/TrayIconHost.h"
#include "ui/OptionButton.h"
#include "ui/TimeField.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// A notification area the test switches on and off.
class FakeTrayHost final : public TrayIconHost
{
public:
    void add(QWidget *w, const QIcon &, const TrayIconData &d, QMenu *m) override
    {
        ++adds;
        window = w;
        data = d;
        menu = m;
        visible = true;
    }
    void remove() override
    {
        ++removes;
        visible = false;
    }
    bool isAvailable() const override { return available; }
    bool isVisible() const override { return visible; }
    QRect geometry() const override { return {700, 780, 22, 22}; }

    int adds = 0;
    int removes = 0;
    bool available = true;
    bool visible = false;
    QWidget *window = nullptr;
    QMenu *menu = nullptr;
    TrayIconData data;
};

enum Tray
{
    NoHost,
    Unavailable,
    Available
};

} // namespace

class TrayTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void iconLivesWithTheWindow();
    void minimize_data();
    void minimize();
    void minimizeWhenHiddenPlaysNothing();
    void trayAppearingLaterAllowsHiding();
    void restore_data();
    void restore();
    void menuRequestPopsUpTheTrayMenu();
    void trayExitUnloads();
    void countdownRunsWhileHidden();

    void hostGestures_data();
    void hostGestures();
    void hostIconAndMenu_data();
    void hostIconAndMenu();
    void animatorFrame_data();
    void animatorFrame();

private:
    void start(Tray tray);
    template <typename T> T *child(const char *name) const
    {
        auto *c = m_window->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }

    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<FakeTrayHost> m_host;
    std::unique_ptr<Shutdown> m_window;
};

void TrayTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_host = std::make_unique<FakeTrayHost>();
}

void TrayTest::cleanup()
{
    m_window.reset();
    m_host.reset();
    m_fakes.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void TrayTest::start(Tray tray)
{
    ShutdownServices services = m_fakes->services();
    m_host->available = tray == Available;
    if (tray != NoHost)
        services.trayHost = m_host.get();
    m_window = std::make_unique<Shutdown>(services);
    QVERIFY(m_window->Show());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TrayTest::iconLivesWithTheWindow()
{
    start(Available);
    QCOMPARE(m_host->adds, 1);
    QCOMPARE(m_host->window, m_window.get());
    QCOMPARE(m_host->data.uID, 1u);
    QCOMPARE(m_host->data.uFlags, 7u);
    QCOMPARE(m_host->data.uCallbackMessage, 0x200u);
    QCOMPARE(m_host->data.szTip, QStringLiteral("Carrowmelden"));
    QVERIFY(m_host->menu);
    QStringList entries;
    for (QAction *a : m_host->menu->actions())
        entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(entries, (QStringList{QStringLiteral("Restore"), QStringLiteral("About Orvanta"),
                                   QStringLiteral("-"), QStringLiteral("Exit")}));
    QCOMPARE(m_host->removes, 0);
    m_window->Unload();
    QCOMPARE(m_host->removes, 1);
    QCOMPARE(m_host->adds, 1);
}

void TrayTest::minimize_data()
{
    QTest::addColumn<int>("tray");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("hidden");
    for (const char *source : {"minimizeButton", "mnuMinimize"}) {
        QTest::addRow("tray/%s", source) << int(Available) << QString::fromLatin1(source) << true;
        // Nowhere to come back from: the taskbar takes the window instead.
        QTest::addRow("no tray/%s", source)
            << int(Unavailable) << QString::fromLatin1(source) << false;
        QTest::addRow("no host/%s", source) << int(NoHost) << QString::fromLatin1(source) << false;
    }
}

void TrayTest::minimize()
{
    QFETCH(int, tray);
    QFETCH(QString, source);
    QFETCH(bool, hidden);
    start(Tray(tray));
    if (source == QLatin1String("minimizeButton")) {
        auto *button = child<QPushButton>("minimizeButton");
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    } else {
        child<QAction>("mnuMinimize")->trigger();
    }
    QCOMPARE(m_window->isVisible(), !hidden);
    if (hidden) {
        QCOMPARE(m_fakes->animator.directions, QList<int>{1});
        // Hiding leaves the window state alone.
        QVERIFY(!m_window->isMinimized());
    } else {
        QVERIFY(m_fakes->animator.directions.isEmpty());
        QVERIFY(m_window->isMinimized());
    }
}

void TrayTest::minimizeWhenHiddenPlaysNothing()
{
    start(Available);
    m_window->mnuMinimize_Click();
    m_window->mnuMinimize_Click();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_fakes->animator.directions, QList<int>{1});
}

void TrayTest::trayAppearingLaterAllowsHiding()
{
    start(Unavailable);
    m_window->minimizeButton_Click();
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->isMinimized());
    m_window->mnuShow_Click();
    QVERIFY(!m_window->isMinimized());

    m_host->available = true;
    emit m_host->availabilityChanged(true);
    m_window->minimizeButton_Click();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_host->visible);
}

void TrayTest::restore_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("via");
    for (const char *via : {"double-click", "mnuShow"}) {
        QTest::addRow("hidden/%s", via) << QStringLiteral("hidden") << QString::fromLatin1(via);
        QTest::addRow("minimized/%s", via)
            << QStringLiteral("minimized") << QString::fromLatin1(via);
        QTest::addRow("shown/%s", via) << QStringLiteral("shown") << QString::fromLatin1(via);
    }
}

void TrayTest::restore()
{
    QFETCH(QString, before);
    QFETCH(QString, via);
    start(Available);
    if (before == QLatin1String("hidden"))
        m_window->mnuMinimize_Click();
    else if (before == QLatin1String("minimized"))
        m_window->showMinimized(); // the ordinary way, to the taskbar
    m_fakes->animator.directions.clear();

    if (via == QLatin1String("double-click"))
        emit m_host->restoreRequested();
    else
        child<QAction>("mnuShow")->trigger();

    QCOMPARE(m_fakes->animator.directions, QList<int>{0});
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TrayTest::menuRequestPopsUpTheTrayMenu()
{
    start(Available);
    m_window->minimizeButton_Click();
    auto *menu = child<QMenu>("mnuPopup");
    emit m_host->menuRequested(QPoint(120, 140));
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 1000);
    QCOMPARE(menu->pos(), QPoint(120, 140));
    // Asking for the menu does not bring the hidden window back.
    QVERIFY(!m_window->isVisible());
    menu->close();
}

void TrayTest::trayExitUnloads()
{
    start(Available);
    QSignalSpy terminated(m_window.get(), &Shutdown::terminated);
    m_window->minimizeButton_Click();
    child<QAction>("mnuExit")->trigger();
    QVERIFY(m_window->isUnloaded());
    QCOMPARE(terminated.count(), 1);
    QCOMPARE(m_host->removes, 1);
}

void TrayTest::countdownRunsWhileHidden()
{
    start(Available);
    child<OptionButton>("Option2_1")->setValue(true);
    const char *names[3] = {"Text1_0", "Text1_1", "Text1_2"};
    const char *texts[3] = {"0", "0", "5"};
    for (int i = 0; i < 3; ++i)
        child<TimeField>(names[i])->setText(QLatin1String(texts[i]));
    auto *startButton = child<QPushButton>("startButton");
    QTest::mouseClick(startButton, Qt::LeftButton, {}, startButton->rect().center());
    auto *timer = child<TickTimer>("Timer1");
    QVERIFY(timer->isEnabled());

    m_window->minimizeButton_Click();
    QVERIFY(!m_window->isVisible());
    QVERIFY(timer->isEnabled());
    emit timer->timer();
    emit timer->timer();
    QCOMPARE(child<TimeField>("Text1_2")->text(), QStringLiteral("3"));

    m_window->mnuShow_Click();
    QVERIFY(timer->isEnabled());
    QCOMPARE(startButton->text(), QStringLiteral("Stop"));
    emit timer->timer();
    QCOMPARE(child<TimeField>("Text1_2")->text(), QStringLiteral("2"));
    QVERIFY(m_fakes->power.requests.isEmpty());
}

void TrayTest::hostGestures_data()
{
    QTest::addColumn<QList<int>>("reasons"); // -1 waits past the double-click interval
    QTest::addColumn<int>("restores");
    QTest::addColumn<int>("menus");
    const int trigger = QSystemTrayIcon::Trigger;
    const int twice = QSystemTrayIcon::DoubleClick;
    const int context = QSystemTrayIcon::Context;
    const int middle = QSystemTrayIcon::MiddleClick;
    QTest::newRow("single click") << QList<int>{trigger} << 0 << 0;
    QTest::newRow("xembed double-click") << QList<int>{trigger, twice} << 1 << 0;
    QTest::newRow("two activations") << QList<int>{trigger, trigger} << 1 << 0;
    QTest::newRow("three activations") << QList<int>{trigger, trigger, trigger} << 1 << 0;
    QTest::newRow("four activations") << QList<int>{trigger, trigger, trigger, trigger} << 2 << 0;
    QTest::newRow("activations too far apart") << QList<int>{trigger, -1, trigger} << 0 << 0;
    QTest::newRow("double-click then one more") << QList<int>{trigger, twice, trigger} << 1 << 0;
    QTest::newRow("right button") << QList<int>{context} << 0 << 1;
    QTest::newRow("middle button") << QList<int>{middle, middle} << 0 << 0;
    QTest::newRow("unknown") << QList<int>{int(QSystemTrayIcon::Unknown)} << 0 << 0;
}

void TrayTest::hostGestures()
{
    QFETCH(QList<int>, reasons);
    QFETCH(int, restores);
    QFETCH(int, menus);
    const int interval = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(60);
    QtTrayIconHost host;
    QMenu menu;
    TrayIconData data;
    data.szTip = QStringLiteral("Carrowmelden");
    host.add(nullptr, QIcon(), data, &menu);
    auto *icon = host.findChild<QSystemTrayIcon *>();
    QVERIFY(icon);
    QSignalSpy restoreSpy(&host, &TrayIconHost::restoreRequested);
    QSignalSpy menuSpy(&host, &TrayIconHost::menuRequested);
    for (int reason : reasons) {
        if (reason < 0)
            QTest::qWait(120);
        else
            emit icon->activated(QSystemTrayIcon::ActivationReason(reason));
    }
    QApplication::setDoubleClickInterval(interval);
    QCOMPARE(restoreSpy.count(), restores);
    QCOMPARE(menuSpy.count(), menus);
    QVERIFY(!menu.isVisible());
}

void TrayTest::hostIconAndMenu_data()
{
    QTest::addColumn<bool>("menuDrawnByHost");
    QTest::newRow("program pops the menu up") << false;
    QTest::newRow("desktop draws the menu") << true;
}

void TrayTest::hostIconAndMenu()
{
    QFETCH(bool, menuDrawnByHost);
    QtTrayIconHost host(menuDrawnByHost);
    QMenu menu;
    TrayIconData data;
    data.szTip = QStringLiteral("Carrowmelden");
    QVERIFY(!host.isVisible());
    host.add(nullptr, QIcon(), data, &menu);
    auto *icon = host.findChild<QSystemTrayIcon *>();
    QVERIFY(icon);
    QCOMPARE(icon->toolTip(), QStringLiteral("Carrowmelden"));
    QVERIFY(!icon->icon().isNull());
    QCOMPARE(icon->contextMenu(), menuDrawnByHost ? &menu : nullptr);
    QVERIFY(host.isVisible());
    QCOMPARE(host.isAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
    host.remove();
    QVERIFY(!host.isVisible());
    QVERIFY(!host.findChild<QSystemTrayIcon *>());
}

void TrayTest::animatorFrame_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("tray");
    QTest::addColumn<bool>("animates");
    const QRect icon(700, 780, 22, 22);
    QTest::newRow("to the tray") << 1 << icon << true;
    QTest::newRow("from the tray") << 0 << icon << true;
    QTest::newRow("direction 2") << 2 << icon << false;
    QTest::newRow("direction -1") << -1 << icon << false;
    QTest::newRow("no icon geometry") << 1 << QRect() << false;
}

void TrayTest::animatorFrame()
{
    QFETCH(int, direction);
    QFETCH(QRect, tray);
    QFETCH(bool, animates);
    const auto animator = makePlatformTrayAnimator();
    QWidget window;
    window.setGeometry(100, 100, 300, 320);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A timer of the program keeps firing while the frame moves.
    int ticks = 0;
    bool frameSeen = false;
    QTimer other;
    other.setInterval(10);
    connect(&other, &QTimer::timeout, this, [&] {
        ++ticks;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("trayAnimationFrame") && w->isVisible())
                frameSeen = true;
    });
    other.start();
    QElapsedTimer elapsed;
    elapsed.start();
    animator->animate(direction, &window, tray);
    const qint64 ms = elapsed.elapsed();
    other.stop();
    window.hide();
    if (animates) {
        QVERIFY2(ms >= 150 && ms < 1500, qPrintable(QString::number(ms)));
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
        QVERIFY(frameSeen);
    } else {
        QVERIFY2(ms < 50, qPrintable(QString::number(ms)));
        QCOMPARE(ticks, 0);
    }
}

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
