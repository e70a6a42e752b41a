#include "TestServices.h"

#include "ui/OptionButton.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

// The time entry in the real window: the field check run by leaving a field, spinners,
// and the two rows following the mode.
class EntryTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabRunsCheck_data();
    void tabRunsCheck();
    void startValidatesBeforeArming_data();
    void startValidatesBeforeArming();
    void menuDoesNotValidate();
    void spinnerOverwritesTyped();
    void modeSwitchesRows();
    void stopKeepsColours();

private:
    template <typename T> T *child(const QString &name) const
    {
        auto *w = m_window->findChild<T *>(name);
        if (!w)
            qFatal("no child %s", qPrintable(name));
        return w;
    }
    TimeField *field(const QString &row, int i) const
    {
        return child<TimeField>(QStringLiteral("Text%1_%2").arg(row).arg(i));
    }
    UpDown *spinner(const QString &row, int i) const
    {
        return child<UpDown>(QStringLiteral("UpDown%1_%2").arg(row).arg(i));
    }
    QStringList texts(const QString &row) const
    {
        return {field(row, 0)->text(), field(row, 1)->text(), field(row, 2)->text()};
    }
    bool flag() const
    {
        return child<QAction>(QStringLiteral("mnuSave"))->isEnabled() &&
               child<QAction>(QStringLiteral("mnuLoad"))->isEnabled();
    }
    void selectMode(const QString &row); // "1" countdown, "2" time of day, by a real click
    void fillAndClear(const QString &row, const QStringList &values);
    void typeInto(TimeField *target, const QString &text);
    void clickOn(QWidget *w, QPoint at);

    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Shutdown> m_window;
};

void EntryTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_window = std::make_unique<Shutdown>(m_fakes->services());
    QVERIFY(m_window->Show());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void EntryTest::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    const auto windows = QApplication::topLevelWidgets();
    QVERIFY(
        std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); }));
}

void EntryTest::clickOn(QWidget *w, QPoint at)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

void EntryTest::selectMode(const QString &row)
{
    auto *option = child<OptionButton>(row == QLatin1String("1") ? QStringLiteral("Option2_1")
                                                                 : QStringLiteral("Option2_0"));
    // Near the indicator: the centre of a stretched button may be empty space.
    QStyleOptionButton opt;
    opt.initFrom(option);
    const QRect indicator =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, option);
    clickOn(option, indicator.center());
    QVERIFY(option->Value());
}

// Texts put in by program, then the flag cleared through the menu, as after a save.
void EntryTest::fillAndClear(const QString &row, const QStringList &values)
{
    for (int i = 0; i < 3; ++i)
        field(row, i)->setText(values[i]);
    child<QAction>(QStringLiteral("mnuSave"))->trigger();
    QVERIFY(!flag());
}

void EntryTest::typeInto(TimeField *target, const QString &text)
{
    clickOn(target, target->rect().center());
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Backspace);
    QTest::keyClicks(target, text);
}

void EntryTest::tabRunsCheck_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("countdown seconds carry")
        << "1" << 2 << QStringList{"0", "10", "0"} << "75" << QStringList{"0", "11", "15"};
    QTest::newRow("countdown cascade at 99")
        << "1" << 2 << QStringList{"99", "59", "0"} << "60" << QStringList{"99", "0", "0"};
    QTest::newRow("countdown hours not a number")
        << "1" << 0 << QStringList{"0", "5", "5"} << "abc" << QStringList{"0", "5", "5"};
    QTest::newRow("time of day minutes wrap")
        << "2" << 1 << QStringList{"23", "0", "0"} << "60" << QStringList{"0", "0", "0"};
    QTest::newRow("time of day hours 24")
        << "2" << 0 << QStringList{"0", "1", "2"} << "24" << QStringList{"0", "1", "2"};
    // In range: left as typed, and the check writes nothing.
    QTest::newRow("leading zero kept")
        << "2" << 1 << QStringList{"1", "0", "0"} << "07" << QStringList{"1", "07", "0"};
    QTest::newRow("fraction kept")
        << "1" << 2 << QStringList{"0", "0", "0"} << "58.5" << QStringList{"0", "0", "58.5"};
}

void EntryTest::tabRunsCheck()
{
    QFETCH(QString, row);
    QFETCH(int, index);
    QFETCH(QStringList, before);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);

    selectMode(row);
    for (int i = 0; i < 3; ++i)
        spinner(row, i)->setValue(i + 3);
    fillAndClear(row, before);
    TimeField *target = field(row, index);
    typeInto(target, typed);
    QVERIFY(flag()); // typing alone sets it
    child<QAction>(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(target->text(), typed); // the menu checked nothing

    int changes = 0;
    for (int i = 0; i < 3; ++i)
        connect(field(row, i), &TimeField::change, this, [&changes] { ++changes; });
    QTest::keyClick(target, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != target);
    QCOMPARE(texts(row), after);
    QStringList typedRow = before;
    typedRow[index] = typed;
    QCOMPARE(flag(), typedRow != after);
    QCOMPARE(changes > 0, typedRow != after);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(spinner(row, i)->value(), i + 3); // the check never touches a spinner
}

void EntryTest::startValidatesBeforeArming_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("target");
    // Unchecked, these would compose to 75, 243000 and 0.
    QTest::newRow("countdown seconds 75") << "1" << 2 << QStringList{"0", "0", "0"} << "75" << 115;
    QTest::newRow("time of day hours 24")
        << "2" << 0 << QStringList{"0", "30", "0"} << "24" << 3000;
    QTest::newRow("countdown minutes 60")
        << "1" << 1 << QStringList{"0", "0", "0"} << "60" << 10000;
}

void EntryTest::startValidatesBeforeArming()
{
    QFETCH(QString, row);
    QFETCH(int, index);
    QFETCH(QStringList, before);
    QFETCH(QString, typed);
    QFETCH(int, target);

    selectMode(row);
    fillAndClear(row, before);
    typeInto(field(row, index), typed);
    auto *start = child<QPushButton>(QStringLiteral("startButton"));
    clickOn(start, start->rect().center());
    QCOMPARE(m_window->targetTime(), target);
    QCOMPARE(start->property("Tag").toString(), QStringLiteral("1"));
    clickOn(start, start->rect().center()); // Stop
    QCOMPARE(m_window->targetTime(), 0);
}

// A menu entry is no move between controls: even with the focus passing through the menu,
// the field keeps its unchecked text and the save stores it so.
void EntryTest::menuDoesNotValidate()
{
    selectMode(QStringLiteral("1"));
    TimeField *hours = field(QStringLiteral("1"), 0);
    typeInto(hours, QStringLiteral("abc"));
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(hours, &toMenu);
    child<QAction>(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(hours->text(), QStringLiteral("abc"));
    QCOMPARE(m_fakes->settings.value(QStringLiteral("CountDown0")), QStringLiteral("abc"));
    QVERIFY(!flag());
}

// The spinner steps from its own value and overwrites what was typed; the click first moves
// the focus, so the typed text is checked (and carries) before the spinner writes.
void EntryTest::spinnerOverwritesTyped()
{
    selectMode(QStringLiteral("1"));
    UpDown *minutesSpinner = spinner(QStringLiteral("1"), 1);
    minutesSpinner->setValue(5);
    fillAndClear(QStringLiteral("1"),
                 {QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("0")});
    typeInto(field(QStringLiteral("1"), 1), QStringLiteral("75"));
    clickOn(minutesSpinner, QPoint(minutesSpinner->width() / 2, minutesSpinner->height() / 4));
    QCOMPARE(minutesSpinner->value(), 6);
    QCOMPARE(texts(QStringLiteral("1")),
             (QStringList{QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("0")}));
    QVERIFY(flag());

    UpDown *hoursSpinner = spinner(QStringLiteral("2"), 0);
    selectMode(QStringLiteral("2"));
    hoursSpinner->setValue(22);
    field(QStringLiteral("2"), 0)->setText(QStringLiteral("2.5"));
    clickOn(hoursSpinner, QPoint(hoursSpinner->width() / 2, hoursSpinner->height() / 4));
    QCOMPARE(field(QStringLiteral("2"), 0)->text(), QStringLiteral("23"));
    clickOn(hoursSpinner, QPoint(hoursSpinner->width() / 2, hoursSpinner->height() / 4));
    QCOMPARE(hoursSpinner->value(), 23); // stops at the top
}

void EntryTest::modeSwitchesRows()
{
    const QColor windowBackground = m_window->palette().color(QPalette::Active, QPalette::Base);
    const QColor buttonFace = m_window->palette().color(QPalette::Active, QPalette::Button);
    QVERIFY(windowBackground != buttonFace);
    for (const QString &active : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1")}) {
        child<QAction>(QStringLiteral("mnuSave"))->trigger();
        selectMode(active);
        const QString inactive =
            active == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
        for (int i = 0; i < 3; ++i) {
            QVERIFY(field(active, i)->isEnabled());
            QVERIFY(spinner(active, i)->isEnabled());
            QCOMPARE(field(active, i)->backColor(), windowBackground);
            QVERIFY(!field(inactive, i)->isEnabled());
            QVERIFY(!spinner(inactive, i)->isEnabled());
            QCOMPARE(field(inactive, i)->backColor(), buttonFace);
        }
        QVERIFY(flag());
    }
}

// Arming locks both rows and Stop unlocks both, whatever the mode; the colours stay those
// of the mode, and the next mode click brings Enabled back into line.
void EntryTest::stopKeepsColours()
{
    const QColor windowBackground = m_window->palette().color(QPalette::Active, QPalette::Base);
    const QColor buttonFace = m_window->palette().color(QPalette::Active, QPalette::Button);
    selectMode(QStringLiteral("1"));
    field(QStringLiteral("1"), 2)->setText(QStringLiteral("30"));
    auto *start = child<QPushButton>(QStringLiteral("startButton"));
    clickOn(start, start->rect().center());
    QVERIFY(!field(QStringLiteral("1"), 0)->isEnabled());
    clickOn(start, start->rect().center());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(field(QStringLiteral("1"), i)->isEnabled());
        QVERIFY(field(QStringLiteral("2"), i)->isEnabled());
        QVERIFY(spinner(QStringLiteral("2"), i)->isEnabled());
        QCOMPARE(field(QStringLiteral("1"), i)->backColor(), windowBackground);
        QCOMPARE(field(QStringLiteral("2"), i)->backColor(), buttonFace);
    }
    selectMode(QStringLiteral("2"));
    selectMode(QStringLiteral("1"));
    QVERIFY(!field(QStringLiteral("2"), 0)->isEnabled());
}

QTEST_MAIN(EntryTest)
#include "tst_entry.moc"
