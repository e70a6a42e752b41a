#include "TestServices.h"

#include "settings/QSettingsStore.h"
#include "ui/OptionButton.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void firstRun();
    void saveKeysAndOrder();
    void roundTrip_data();
    void roundTrip();
    void leadingZero();
    void corruptValues_data();
    void corruptValues();
    void noActionSelected();
    void loadDiscardsChanges();
    void realFileRoundTrip();

private:
    Shutdown &open(SettingsStore *store = nullptr);
    template <typename T> T *child(const QString &name) const
    {
        auto *w = m_window->findChild<T *>(name);
        if (!w)
            qFatal("no child %s", qPrintable(name));
        return w;
    }
    TimeField *field(int row, int i) const
    {
        return child<TimeField>(QStringLiteral("Text%1_%2").arg(row).arg(i));
    }
    UpDown *spinner(int row, int i) const
    {
        return child<UpDown>(QStringLiteral("UpDown%1_%2").arg(row).arg(i));
    }
    OptionButton *option(int group, int i) const
    {
        return child<OptionButton>(QStringLiteral("Option%1_%2").arg(group).arg(i));
    }
    int selected(int group, int members) const;
    bool flag() const { return child<QAction>(QStringLiteral("mnuSave"))->isEnabled(); }
    bool flagsAgree() const
    {
        return child<QAction>(QStringLiteral("mnuSave"))->isEnabled() ==
               child<QAction>(QStringLiteral("mnuLoad"))->isEnabled();
    }
    // As the user would: a disabled entry cannot be chosen.
    void trigger(const char *action)
    {
        auto *entry = child<QAction>(QLatin1String(action));
        QVERIFY(entry->isEnabled());
        entry->trigger();
    }
    int check() const { return child<VbCheckBox>(QStringLiteral("Check1"))->Value(); }

    QTemporaryDir m_xdg;
    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Shutdown> m_window;
};

void SettingsTest::initTestCase()
{
    // Before the first QSettings: its folders are fixed at first use.
    QVERIFY(m_xdg.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_xdg.path()));
    m_fakes = std::make_unique<TestServices>();
}

void SettingsTest::cleanup()
{
    m_window.reset();
    m_fakes = std::make_unique<TestServices>();
    const auto windows = QApplication::topLevelWidgets();
    QVERIFY(
        std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); }));
}

Shutdown &SettingsTest::open(SettingsStore *store)
{
    ShutdownServices services = m_fakes->services();
    if (store)
        services.settings = store;
    m_window.reset(); // the previous window is gone before the next one loads
    m_window = std::make_unique<Shutdown>(services);
    if (!m_window->Show())
        qFatal("window did not open");
    return *m_window;
}

int SettingsTest::selected(int group, int members) const
{
    int index = -1;
    for (int i = 0; i < members; ++i) {
        if (option(group, i)->Value()) {
            if (index >= 0)
                return -2; // two selected
            index = i;
        }
    }
    return index;
}

void SettingsTest::firstRun()
{
    open();
    QCOMPARE(selected(1, 3), 0);
    QCOMPARE(check(), 1);
    QCOMPARE(selected(2, 2), 0);
    for (int row = 1; row <= 2; ++row) {
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(field(row, i)->text(), QStringLiteral("0"));
            QCOMPARE(spinner(row, i)->value(), 0);
            QCOMPARE(field(row, i)->isEnabled(), row == 2);
            QCOMPARE(spinner(row, i)->isEnabled(), row == 2);
        }
    }
    QVERIFY(!flag());
    QVERIFY(flagsAgree());
    QCOMPARE(m_fakes->settings.reads,
             (QStringList{"Action", "Force", "TimeSetting", "CountDown0", "CountDown0", "Time0",
                          "Time0", "CountDown1", "CountDown1", "Time1", "Time1", "CountDown2",
                          "CountDown2", "Time2", "Time2"}));
    QVERIFY(m_fakes->settings.writes.isEmpty());
}

void SettingsTest::saveKeysAndOrder()
{
    open();
    option(1, 2)->setValue(true);
    option(2, 1)->setValue(true);
    field(1, 0)->setText(QStringLiteral("1"));
    field(2, 2)->setText(QStringLiteral("59"));
    QVERIFY(flag());
    trigger("mnuSave");
    QVERIFY(!flag());
    QVERIFY(flagsAgree());
    QCOMPARE(m_fakes->settings.writes,
             (QStringList{"Action", "Force", "TimeSetting", "CountDown0", "Time0", "CountDown1",
                          "Time1", "CountDown2", "Time2"}));
    const QStringList keys = m_fakes->settings.values.keys();
    QVERIFY(std::all_of(keys.cbegin(), keys.cend(), [](const QString &key) {
        return key.startsWith(QLatin1String("Orvanta/Settings/"));
    }));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("Action")), QStringLiteral("2"));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("Force")), QStringLiteral("1"));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("TimeSetting")), QStringLiteral("1"));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("CountDown0")), QStringLiteral("1"));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("Time2")), QStringLiteral("59"));
}

void SettingsTest::roundTrip_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("force");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("countDown");
    QTest::addColumn<QStringList>("time");
    QTest::newRow("restart, countdown")
        << 2 << 1 << 1 << QStringList{"1", "30", "0"} << QStringList{"0", "0", "0"};
    QTest::newRow("turn off, unforced, time of day")
        << 1 << 0 << 0 << QStringList{"0", "0", "0"} << QStringList{"23", "59", "58"};
    QTest::newRow("log off, all fields")
        << 0 << 0 << 1 << QStringList{"99", "59", "59"} << QStringList{"12", "1", "2"};
}

// Saved from one window, loaded by the next: the same action, force, mode and fields.
void SettingsTest::roundTrip()
{
    QFETCH(int, action);
    QFETCH(int, force);
    QFETCH(int, mode);
    QFETCH(QStringList, countDown);
    QFETCH(QStringList, time);

    open();
    option(1, action)->setValue(true);
    child<VbCheckBox>(QStringLiteral("Check1"))->setValue(force);
    option(2, mode)->setValue(true);
    for (int i = 0; i < 3; ++i) {
        field(1, i)->setText(countDown[i]);
        field(2, i)->setText(time[i]);
    }
    trigger("mnuSave");

    open();
    QCOMPARE(selected(1, 3), action);
    QCOMPARE(check(), force);
    QCOMPARE(selected(2, 2), mode);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(field(1, i)->text(), countDown[i]);
        QCOMPARE(field(2, i)->text(), time[i]);
        QCOMPARE(spinner(1, i)->value(), countDown[i].toInt());
        QCOMPARE(spinner(2, i)->value(), time[i].toInt());
        QCOMPARE(field(1, i)->isEnabled(), mode == 1);
        QCOMPARE(field(2, i)->isEnabled(), mode == 0);
    }
    QVERIFY(!flag());
}

// Stored verbatim; on loading the spinner takes 7 and, its value changing, writes "7".
// A second load finds the spinner at 7 already, so the field keeps the stored "07".
void SettingsTest::leadingZero()
{
    open();
    option(2, 1)->setValue(true);
    field(1, 1)->setText(QStringLiteral("07"));
    trigger("mnuSave");
    QCOMPARE(m_fakes->settings.value(QStringLiteral("CountDown1")), QStringLiteral("07"));

    open();
    QCOMPARE(spinner(1, 1)->value(), 7);
    QCOMPARE(field(1, 1)->text(), QStringLiteral("7"));
    field(2, 0)->setText(QStringLiteral("5")); // a change enables "Load settings"
    trigger("mnuLoad");
    QCOMPARE(field(1, 1)->text(), QStringLiteral("07"));
    QVERIFY(!flag());
}

void SettingsTest::corruptValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("control"); // what to look at: action, force, mode, or a field
    QTest::addColumn<QString>("shown");   // its index / value / text after loading
    QTest::addColumn<int>("spinnerValue");
    auto row = [](const char *name, const char *key, const char *stored, const char *control,
                  const char *shown, int value = -1) {
        QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(stored)
                            << QString::fromLatin1(control) << QString::fromLatin1(shown) << value;
    };
    row("action 7", "Action", "7", "action", "0");
    row("action 2 kept", "Action", "2", "action", "2");
    row("force 5", "Force", "5", "force", "1");
    row("force 0 kept", "Force", "0", "force", "0");
    row("mode 2", "TimeSetting", "2", "mode", "0");
    row("mode 1 kept", "TimeSetting", "1", "mode", "1");
    // The mapping's own table has the full range; these show the window applies it.
    row("field abc", "CountDown0", "abc", "Text1_0", "abc", 0);
    row("field 150", "CountDown0", "150", "Text1_0", "99", 99);
    row("field 24", "Time0", "24", "Text2_0", "23", 23);
    row("field empty", "Time1", "", "Text2_1", "", 0);
}

void SettingsTest::corruptValues()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(int, spinnerValue);

    m_fakes->settings.set(key, stored);
    open();
    if (control == QLatin1String("action")) {
        QCOMPARE(selected(1, 3), shown.toInt());
    } else if (control == QLatin1String("force")) {
        QCOMPARE(check(), shown.toInt());
    } else if (control == QLatin1String("mode")) {
        QCOMPARE(selected(2, 2), shown.toInt());
        QCOMPARE(field(2, 0)->isEnabled(), shown == QLatin1String("0"));
        QCOMPARE(field(1, 0)->isEnabled(), shown == QLatin1String("1"));
    } else {
        QCOMPARE(child<TimeField>(control)->text(), shown);
        QCOMPARE(
            child<UpDown>(QString(control).replace(QLatin1String("Text"), QLatin1String("UpDown")))
                ->value(),
            spinnerValue);
    }
    QVERIFY(!flag());
}

// With no action selected, "Action" is not written and keeps what was stored before.
void SettingsTest::noActionSelected()
{
    m_fakes->settings.set(QStringLiteral("Action"), QStringLiteral("1"));
    open();
    for (int i = 0; i < 3; ++i)
        option(1, i)->setValue(false);
    QCOMPARE(selected(1, 3), -1);
    field(1, 0)->setText(QStringLiteral("5")); // a change enables "Save settings"
    trigger("mnuSave");
    QCOMPARE(m_fakes->settings.writes, (QStringList{"Force", "TimeSetting", "CountDown0", "Time0",
                                                    "CountDown1", "Time1", "CountDown2", "Time2"}));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("Action")), QStringLiteral("1"));
    QVERIFY(!flag());
}

// Load puts the stored state back over unsaved changes and clears the flag, although the
// handlers it raises set it on the way.
void SettingsTest::loadDiscardsChanges()
{
    m_fakes->settings.set(QStringLiteral("TimeSetting"), QStringLiteral("1"));
    m_fakes->settings.set(QStringLiteral("CountDown2"), QStringLiteral("30"));
    open();
    option(2, 0)->setValue(true);
    option(1, 1)->setValue(true);
    field(1, 2)->setText(QStringLiteral("45"));
    child<VbCheckBox>(QStringLiteral("Check1"))->click();
    QVERIFY(flag());
    trigger("mnuLoad");
    QVERIFY(!flag());
    QVERIFY(flagsAgree());
    QCOMPARE(selected(2, 2), 1);
    QVERIFY(field(1, 2)->isEnabled());
    QVERIFY(!field(2, 2)->isEnabled());
    QCOMPARE(selected(1, 3), 0);
    QCOMPARE(check(), 1);
    QCOMPARE(field(1, 2)->text(), QStringLiteral("30"));
}

// The real store under a temporary XDG_CONFIG_HOME: what one window saves, the next loads.
void SettingsTest::realFileRoundTrip()
{
    QSettingsStore store;
    open(&store);
    option(1, 1)->setValue(true);
    option(2, 1)->setValue(true);
    child<VbCheckBox>(QStringLiteral("Check1"))->setValue(0);
    field(1, 1)->setText(QStringLiteral("07"));
    field(2, 0)->setText(QStringLiteral("abc"));
    trigger("mnuSave");
    QVERIFY(QFile::exists(m_xdg.path() + QStringLiteral("/Orvanta/Orvanta.conf")));

    open(&store);
    QCOMPARE(selected(1, 3), 1);
    QCOMPARE(check(), 0);
    QCOMPARE(selected(2, 2), 1);
    QCOMPARE(field(1, 1)->text(), QStringLiteral("7"));
    QCOMPARE(spinner(1, 1)->value(), 7);
    QCOMPARE(field(2, 0)->text(), QStringLiteral("abc"));
    QVERIFY(!flag());
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
