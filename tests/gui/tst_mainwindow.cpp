#include "TestServices.h"

#include "schedule/TickTimer.h"
#include "ui/OptionButton.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUpShowsCaptionAndFocus();
    void secondInstanceEnds();
    void designValues();
    void menus();
    void tabOrder();
    void arming_data();
    void arming();
    void countdownFiresOnTickNPlusOne();
    void stopThenStartContinues();
    void stopEnablesBothRows();
    void timeOfDayFires();
    void refusedRequestStillCloses();
    void closeWhileArmedRunsNothing();

private:
    template <typename T> T *child(const char *name) const
    {
        auto *w = m_window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no child %s", name);
        return w;
    }
    QStringList fields(const char *array) const;
    void setRow(const char *array, const QStringList &texts);
    void clickStart();

    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Shutdown> m_window;
};

void MainWindowTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_window = std::make_unique<Shutdown>(m_fakes->services());
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(),
                         QApplication::topLevelWidgets().cend(),
                         [](QWidget *w) { return w->isVisible(); }));
}

QStringList MainWindowTest::fields(const char *array) const
{
    QStringList texts;
    for (int i = 0; i < 3; ++i)
        texts << m_window
                     ->findChild<TimeField *>(
                         QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))
                     ->text();
    return texts;
}

void MainWindowTest::setRow(const char *array, const QStringList &texts)
{
    for (int i = 0; i < 3; ++i)
        m_window->findChild<TimeField *>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))
            ->setText(texts[i]);
}

void MainWindowTest::clickStart()
{
    auto *start = child<QPushButton>("startButton");
    QTest::mouseClick(start, Qt::LeftButton, {}, start->rect().center());
}

void MainWindowTest::startUpShowsCaptionAndFocus()
{
    QVERIFY(m_window->Show());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Orvanta v1.2"));
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("startButton"));
    QVERIFY(!child<TickTimer>("Timer1")->isEnabled());
    QCOMPARE(m_fakes->endProcessCalls, 0);
}

void MainWindowTest::secondInstanceEnds()
{
    m_fakes->previousInstance = true;
    QVERIFY(!m_window->Show());
    QCOMPARE(m_fakes->messages.texts,
             QStringList{QStringLiteral("Another instance of Orvanta is already running.\r\n"
                                        "Closing this instance now.")});
    QCOMPARE(m_fakes->endProcessCalls, 1);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_window->windowTitle().isEmpty());
    QVERIFY(m_fakes->settings.reads.isEmpty()); // nothing after the message ran
}

void MainWindowTest::designValues()
{
    QVERIFY(m_window->Show());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    auto *start = child<QPushButton>("startButton");
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(start->toolTip(), QStringLiteral("Start timer"));
    QCOMPARE(start->property("Tag").toString(), QStringLiteral("0"));
    QCOMPARE(child<QPushButton>("minimizeButton")->toolTip(),
             QStringLiteral("Minimize to system tray"));
    QCOMPARE(child<VbCheckBox>("Check1")->toolTip(),
             QStringLiteral("Don't mind waiting for programs to shut down"));
    const int maxima[] = {99, 59, 59, 23, 59, 59};
    for (int i = 0; i < 6; ++i) {
        auto *spinner = m_window->findChild<UpDown *>(
            QStringLiteral("UpDown%1_%2").arg(i < 3 ? 1 : 2).arg(i % 3));
        QVERIFY(spinner);
        QCOMPARE(spinner->minimum(), 0);
        QCOMPARE(spinner->maximum(), maxima[i]);
        QVERIFY(!spinner->accessibleName().isEmpty());
    }
    QCOMPARE(child<TimeField>("Text1_0")->accessibleName(), QStringLiteral("Countdown hours"));
    QCOMPARE(child<TimeField>("Text2_1")->accessibleName(), QStringLiteral("Time of day minutes"));
    QCOMPARE(child<UpDown>("UpDown1_0")->accessibleName(),
             QStringLiteral("Countdown hours spinner"));
    // Each spinner stands right of its field, overlapping its border slightly.
    auto *field = child<TimeField>("Text1_2");
    auto *spinner = child<UpDown>("UpDown1_2");
    QVERIFY(spinner->geometry().left() <= field->geometry().right() + 1);
    QVERIFY(spinner->geometry().left() > field->geometry().center().x());
    QCOMPARE(spinner->geometry().top(), field->geometry().top());
}

void MainWindowTest::menus()
{
    QStringList bar;
    for (QAction *action : m_window->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"File", "Help"}));
    auto *web = child<QMenu>("mnuWeb");
    QStringList webEntries;
    for (QAction *action : web->actions())
        webEntries << action->text();
    QCOMPARE(webEntries, (QStringList{"Orvanta", "Other programs from Brannock"}));
    QStringList popup;
    for (QAction *action : child<QMenu>("mnuPopup")->actions())
        popup << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(popup, (QStringList{"Restore", "About Orvanta", "-", "Exit"}));
    for (QAction *action : m_window->findChildren<QAction *>()) {
        QVERIFY2(!action->text().contains(QLatin1Char('&')), qPrintable(action->text()));
        QVERIFY(action->shortcut().isEmpty());
    }
}

void MainWindowTest::tabOrder()
{
    QVERIFY(m_window->Show());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // Countdown mode: the time-of-day row is disabled and skipped.
    child<OptionButton>("Option2_1")->setValue(true);
    child<QPushButton>("startButton")->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Qt moves through a group of option buttons with the arrow keys, so a Tab stops at
    // the selected one of each frame only; the order of the stops is the designed one.
    const QStringList expected = {"startButton", "Option1_0", "Option2_1",   "UpDown1_0",
                                  "UpDown1_1",   "UpDown1_2", "Text1_0",     "Text1_1",
                                  "Text1_2",     "Check1",    "startButton", "Option1_0"};
    QCOMPARE(order, expected);
}

void MainWindowTest::arming_data()
{
    QTest::addColumn<bool>("timeOfDay");
    QTest::addColumn<QStringList>("countdown");
    QTest::addColumn<QStringList>("time");
    QTest::addColumn<int>("target");
    QTest::newRow("countdown zero refused")
        << false << QStringList{"0", "0", "0"} << QStringList{"1", "2", "3"} << 0;
    QTest::newRow("midnight refused")
        << true << QStringList{"1", "2", "3"} << QStringList{"0", "0", "0"} << 0;
    QTest::newRow("time 0:00:01") << true << QStringList{"0", "0", "0"}
                                  << QStringList{"0", "0", "1"} << 1;
    QTest::newRow("countdown uses Text1 only")
        << false << QStringList{"1", "5", "0"} << QStringList{"9", "9", "9"} << 10500;
    QTest::newRow("time uses Text2 only")
        << true << QStringList{"1", "5", "0"} << QStringList{"23", "59", "59"} << 235959;
}

void MainWindowTest::arming()
{
    QFETCH(bool, timeOfDay);
    QFETCH(QStringList, countdown);
    QFETCH(QStringList, time);
    QFETCH(int, target);
    QVERIFY(m_window->Show());
    child<OptionButton>(timeOfDay ? "Option2_0" : "Option2_1")->setValue(true);
    setRow("Text1", countdown);
    setRow("Text2", time);
    clickStart();
    const bool armed = target != 0;
    auto *start = child<QPushButton>("startButton");
    QCOMPARE(m_window->targetTime(), target);
    QCOMPARE(start->text(), armed ? QStringLiteral("Stop") : QStringLiteral("Start"));
    QCOMPARE(start->toolTip(),
             armed ? QStringLiteral("Stop timer") : QStringLiteral("Start timer"));
    QCOMPARE(start->property("Tag").toString(), armed ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(child<TickTimer>("Timer1")->isEnabled(), armed);
    if (armed) {
        for (const char *name :
             {"Text1_0", "Text2_2", "Option1_1", "Option2_0", "UpDown1_2", "UpDown2_0", "Check1"})
            QVERIFY2(!m_window->findChild<QWidget *>(QLatin1String(name))->isEnabled(), name);
    }
    QVERIFY(start->isEnabled());
    QVERIFY(child<QPushButton>("minimizeButton")->isEnabled());
    // The fields are read, never rewritten.
    QCOMPARE(fields("Text1"), countdown);
    QCOMPARE(fields("Text2"), time);
    if (armed) {
        clickStart();
        QCOMPARE(start->text(), QStringLiteral("Start"));
        QCOMPARE(m_window->targetTime(), 0);
        QVERIFY(!child<TickTimer>("Timer1")->isEnabled());
    }
}

void MainWindowTest::countdownFiresOnTickNPlusOne()
{
    QVERIFY(m_window->Show());
    child<OptionButton>("Option1_1")->setValue(true);
    child<OptionButton>("Option2_1")->setValue(true);
    setRow("Text1", {"0", "0", "5"});
    clickStart();
    for (int tick = 1; tick <= 5; ++tick) {
        m_window->Timer1_Timer();
        QCOMPARE(fields("Text1"), (QStringList{"0", "0", QString::number(5 - tick)}));
        QVERIFY(m_fakes->power.requests.isEmpty());
        QVERIFY(!m_window->isUnloaded());
    }
    m_window->Timer1_Timer();
    QCOMPARE(m_fakes->power.requests.size(), 1);
    QCOMPARE(m_fakes->power.requests.first().action, PowerAction::PowerOff);
    QCOMPARE(m_fakes->power.requests.first().flags, 12u);
    QVERIFY(m_window->isUnloaded());
    QVERIFY(!m_window->isVisible());
}

void MainWindowTest::stopThenStartContinues()
{
    QVERIFY(m_window->Show());
    child<OptionButton>("Option2_1")->setValue(true);
    setRow("Text1", {"0", "1", "0"});
    clickStart();
    for (int tick = 0; tick < 3; ++tick)
        m_window->Timer1_Timer();
    QCOMPARE(fields("Text1"), (QStringList{"0", "0", "57"}));
    clickStart();
    clickStart();
    QCOMPARE(m_window->targetTime(), 57);
    m_window->Timer1_Timer();
    QCOMPARE(fields("Text1"), (QStringList{"0", "0", "56"}));
}

void MainWindowTest::stopEnablesBothRows()
{
    QVERIFY(m_window->Show());
    child<OptionButton>("Option2_1")->setValue(true);
    QVERIFY(!child<TimeField>("Text2_0")->isEnabled());
    setRow("Text1", {"0", "0", "9"});
    clickStart();
    clickStart();
    for (const char *name : {"Text1_0", "Text2_0", "Text2_2", "UpDown2_1", "UpDown1_0"})
        QVERIFY2(m_window->findChild<QWidget *>(QLatin1String(name))->isEnabled(), name);
}

void MainWindowTest::timeOfDayFires()
{
    QVERIFY(m_window->Show());
    child<OptionButton>("Option1_2")->setValue(true);
    child<OptionButton>("Option2_0")->setValue(true);
    m_fakes->clock.wall = QDateTime(QDate(2026, 12, 7), QTime(14, 29, 58, 400));
    setRow("Text2", {"14", "30", "0"});
    clickStart();
    m_fakes->clock.advance(602); // 14:29:59.002
    m_window->Timer1_Timer();
    QVERIFY(m_fakes->power.requests.isEmpty());
    m_fakes->clock.advance(1000); // 14:30:00.002
    m_window->Timer1_Timer();
    QCOMPARE(m_fakes->power.requests.size(), 1);
    QCOMPARE(m_fakes->power.requests.first().action, PowerAction::Restart);
    QVERIFY(m_window->isUnloaded());
}

void MainWindowTest::refusedRequestStillCloses()
{
    m_fakes->power.answer = {false, QStringLiteral("refused by the mock")};
    QVERIFY(m_window->Show());
    child<OptionButton>("Option1_0")->setValue(true);
    child<OptionButton>("Option2_1")->setValue(true);
    setRow("Text1", {"0", "0", "1"});
    clickStart();
    m_window->Timer1_Timer();
    m_window->Timer1_Timer();
    QCOMPARE(m_fakes->power.requests.size(), 1);
    QCOMPARE(m_fakes->power.requests.first().action, PowerAction::LogOff);
    QVERIFY(m_window->isUnloaded());
}

void MainWindowTest::closeWhileArmedRunsNothing()
{
    QSignalSpy terminated(m_window.get(), &Shutdown::terminated);
    QVERIFY(m_window->Show());
    child<OptionButton>("Option2_1")->setValue(true);
    setRow("Text1", {"0", "0", "1"});
    clickStart();
    QVERIFY(m_window->close());
    QVERIFY(m_window->isUnloaded());
    QCOMPARE(terminated.size(), 1);
    QVERIFY(!child<TickTimer>("Timer1")->isEnabled());
    QVERIFY(m_fakes->power.requests.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
