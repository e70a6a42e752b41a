#include "tray/TraySearch.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using traysearch::Rect;
using traysearch::WindowRef;

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

constexpr WindowRef Taskbar = 10;
constexpr WindowRef MainWindow = 99;
constexpr Rect WindowRect{300, 200, 700, 500};

// A taskbar with children (ids 11, 12, …) and, under the first child, grandchildren
// (ids 21, 22, …). Every call is written to a log.
class FakeTree final : public traysearch::WindowTree
{
public:
    bool hasTaskbar = true;
    std::vector<std::string> children;
    std::vector<std::string> grandchildren;
    QStringList log;

    WindowRef findTopLevel(const char *className) override
    {
        log << QStringLiteral("find %1").arg(QLatin1String(className));
        return hasTaskbar && std::string(className) == "Shell_TrayWnd" ? Taskbar : 0;
    }
    WindowRef firstChild(WindowRef window) override
    {
        log << QStringLiteral("child %1").arg(window);
        if (window == Taskbar && !children.empty())
            return 11;
        if (window == 11 && !grandchildren.empty())
            return 21;
        return 0;
    }
    WindowRef nextSibling(WindowRef window) override
    {
        log << QStringLiteral("next %1").arg(window);
        const auto &level = window >= 21 ? grandchildren : children;
        const WindowRef first = window >= 21 ? 21 : 11;
        return window + 1 - first < level.size() ? window + 1 : 0;
    }
    void className(WindowRef window, char *buffer, int length) override
    {
        log << QStringLiteral("class %1 %2").arg(window).arg(length);
        const std::string &name =
            window >= 21 ? grandchildren.at(window - 21) : children.at(window - 11);
        // Cut as the platform cuts: length - 1 characters and a NUL.
        const std::size_t kept = std::min(name.size(), std::size_t(length - 1));
        name.copy(buffer, kept);
        buffer[kept] = '\0';
    }
    Rect windowRect(WindowRef window) override
    {
        log << QStringLiteral("rect %1").arg(window);
        if (window == MainWindow)
            return WindowRect;
        return trayRect(window);
    }
    void drawAnimatedRects(WindowRef window, int animation, const Rect &from,
                           const Rect &to) override
    {
        log << QStringLiteral("draw %1 %2 from %3 to %4")
                   .arg(window)
                   .arg(animation)
                   .arg(from.left)
                   .arg(to.left);
    }

    static Rect trayRect(WindowRef window)
    {
        const auto x = static_cast<std::int32_t>(window) * 100;
        return {x, 1040, x + 50, 1080};
    }
};

} // namespace

class TestTraySearch : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void animation_data();
    void animation();
};

void TestTraySearch::search_data()
{
    QTest::addColumn<bool>("hasTaskbar");
    QTest::addColumn<std::vector<std::string>>("children");
    QTest::addColumn<std::vector<std::string>>("grandchildren");
    QTest::addColumn<WindowRef>("expected");

    using Names = std::vector<std::string>;
    const Names none;
    QTest::newRow("exact name, first child")
        << true << Names{"TrayNotifyWnd"} << none << WindowRef(11);
    QTest::newRow("after other children")
        << true << Names{"Start", "ReBarWindow32", "TrayNotifyWnd"} << none << WindowRef(13);
    QTest::newRow("text around the name")
        << true << Names{"Start", "MyTrayNotifyWnd2"} << none << WindowRef(12);
    QTest::newRow("the first of two matches")
        << true << Names{"TrayNotifyWndA", "TrayNotifyWndB"} << none << WindowRef(11);
    QTest::newRow("other letter case")
        << true << Names{"traynotifywnd", "TRAYNOTIFYWND", "TrayNotifyWND"} << none << WindowRef(0);
    QTest::newRow("grandchildren are not searched")
        << true << Names{"ReBarWindow32", "Clock"} << Names{"TrayNotifyWnd"} << WindowRef(0);
    QTest::newRow("no taskbar") << false << Names{"TrayNotifyWnd"} << none << WindowRef(0);
    QTest::newRow("taskbar without children") << true << none << none << WindowRef(0);
    QTest::newRow("no match") << true << Names{"Start", "ReBarWindow32"} << none << WindowRef(0);
    // 254 characters are read: the name must end by then.
    QTest::newRow("name ends on the last character read")
        << true << Names{std::string(241, 'x') + "TrayNotifyWnd"} << none << WindowRef(11);
    QTest::newRow("name cut by the buffer")
        << true << Names{std::string(242, 'x') + "TrayNotifyWnd"} << none << WindowRef(0);
    QTest::newRow("long name, match in the next child")
        << true << Names{std::string(300, 'x') + "TrayNotifyWnd", "TrayNotifyWnd"} << none
        << WindowRef(12);
}

void TestTraySearch::search()
{
    QFETCH(bool, hasTaskbar);
    QFETCH(std::vector<std::string>, children);
    QFETCH(std::vector<std::string>, grandchildren);
    QFETCH(WindowRef, expected);

    FakeTree tree;
    tree.hasTaskbar = hasTaskbar;
    tree.children = children;
    tree.grandchildren = grandchildren;
    QCOMPARE(traysearch::findNotificationArea(tree), expected);

    QCOMPARE(tree.log.value(0), QStringLiteral("find Shell_TrayWnd"));
    if (!hasTaskbar)
        QCOMPARE(tree.log.size(), 1);
    for (const QString &entry : std::as_const(tree.log)) {
        QVERIFY2(!entry.startsWith(QLatin1String("child 11")), qPrintable(entry));
        if (entry.startsWith(QLatin1String("class ")))
            QVERIFY2(entry.endsWith(QLatin1String(" 255")), qPrintable(entry));
    }
    // The search stops at the match: no window after it is read.
    if (expected != 0)
        QVERIFY(tree.log.last().startsWith(QStringLiteral("class %1 ").arg(expected)));
}

void TestTraySearch::animation_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("tail");

    const QString tray = QString::number(FakeTree::trayRect(12).left);
    const QString window = QString::number(WindowRect.left);
    QTest::newRow("0: tray to window")
        << 0 << true
        << QStringList{QStringLiteral("rect 99"), QStringLiteral("rect 12"),
                       QStringLiteral("draw 99 3 from %1 to %2").arg(tray, window)};
    QTest::newRow("1: window to tray")
        << 1 << true
        << QStringList{QStringLiteral("rect 99"), QStringLiteral("rect 12"),
                       QStringLiteral("draw 99 3 from %1 to %2").arg(window, tray)};
    QTest::newRow("1 without a notification area") << 1 << false << QStringList();
    QTest::newRow("2 does nothing") << 2 << true << QStringList();
}

void TestTraySearch::animation()
{
    QFETCH(int, direction);
    QFETCH(bool, found);
    QFETCH(QStringList, tail);

    FakeTree tree;
    tree.children = {"Start", found ? "TrayNotifyWnd" : "Clock"};
    traysearch::animateTray(direction, MainWindow, tree);

    if (direction != 0 && direction != 1) {
        QVERIFY(tree.log.isEmpty());
        return;
    }
    QVERIFY(!tree.log.isEmpty());
    QCOMPARE(tree.log.first(), QStringLiteral("find Shell_TrayWnd"));
    const QStringList drawn = tree.log.filter(QRegularExpression(QStringLiteral("^(rect|draw) ")));
    QCOMPARE(drawn, tail);
}

QTEST_APPLESS_MAIN(TestTraySearch)
#include "tst_traysearch.moc"
