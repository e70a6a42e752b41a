// The wiring only a window shows: the field check before a click, the Tab walk, the
// settings in and out of the controls, a schedule reaching the power seam, captions that
// fit, and the web fallbacks. Every seam is a fake; nothing leaves the process.
#include "../ManualClock.h"
#include "core/CommandLine.h"
#include "core/Schedule.h"
#include "core/SettingsStore.h"
#include "core/WebOpener.h"
#include "gui/AboutDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "gui/TrayAnimator.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

struct Fakes final : PowerRequester, SettingsStore, MessageBoxService, WebOpener, TrayAnimator
{
    void request(Action action, bool force, PowerRequester::Done done) override
    {
        requests << qMakePair(action, force);
        answer = std::move(done);
    }
    QString value(const QString &key, const QString &defaultText) override
    {
        return stored.value(key, defaultText);
    }
    bool save(const Entries &entries, QString *error) override
    {
        *error = QStringLiteral("the disk is full");
        for (const auto &[key, text] : entries)
            if (saveWorks)
                stored[key] = text;
        return saveWorks;
    }
    QString location() const override { return QStringLiteral("/home/u/Orvanta.conf"); }
    void information(QWidget *, const QString &text, std::function<void()>) override
    {
        messages << text;
    }
    void open(const QString &, WebOpener::Done done) override { done(webWorks); }
    void animate(Direction, QWidget *, const QRect &, TrayAnimator::Done done) override { done(); }

    MainWindowServices services() { return {this, this, this, this, &clock, this}; }
    ManualClock clock;
    QList<QPair<Action, bool>> requests;
    PowerRequester::Done answer;
    QMap<QString, QString> stored;
    QStringList messages;
    bool webWorks = false;
    bool saveWorks = true;
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fakes = std::make_unique<Fakes>();
        window = std::make_unique<MainWindow>(fakes->services());
    }
    void cleanup()
    {
        window.reset();
        QApplication::setFont(QFont());
    }

    void fieldIsCheckedBeforeTheClickArms()
    {
        fakes->stored = {{QStringLiteral("TimeSetting"), QStringLiteral("1")}};
        start();
        auto *seconds = child<QLineEdit>("countdownSecondsField");
        seconds->setFocus(Qt::MouseFocusReason);
        seconds->setText(QStringLiteral("75"));
        QTest::mouseClick(child<QAbstractButton>("startButton"), Qt::LeftButton);
        // 75 s became 1 min 15 s before the target was taken from the fields.
        QVERIFY(window->armed());
        QCOMPARE(window->arming()->schedule().targetTime(), 115);
        QCOMPARE(child<QAbstractButton>("startButton")->text(), QStringLiteral("Stop"));
    }

    void tabWalksOneOptionPerGroup()
    {
        // Countdown: the group is entered at its selected member, though it comes second.
        fakes->stored = {{QStringLiteral("TimeSetting"), QStringLiteral("1")}};
        start();
        const QStringList expected = {"Start",
                                      "Log off user",
                                      "Countdown",
                                      "Countdown hours spinner",
                                      "Countdown minutes spinner",
                                      "Countdown seconds spinner",
                                      "Countdown hours",
                                      "Countdown minutes",
                                      "Countdown seconds",
                                      "Force (no warnings by other programs, etc.)",
                                      "Start"};
        QStringList walked;
        for (int i = 0; i < expected.size(); ++i) {
            walked << QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, expected);
    }

    void settingsGoInAndOutOfTheControls()
    {
        fakes->stored = {{QStringLiteral("Action"), QStringLiteral("2")},
                         {QStringLiteral("Force"), QStringLiteral("0")},
                         {QStringLiteral("CountDown1"), QStringLiteral("75")},
                         {QStringLiteral("Time2"), QStringLiteral("5")}};
        start();
        auto *save = window->findChild<QAction *>(QStringLiteral("saveAction"));
        QVERIFY(child<QAbstractButton>("restartButton")->isChecked());
        QVERIFY(!child<QAbstractButton>("forceBox")->isChecked());
        // The spin buttons clamp at 59 and write their value back into the field.
        QCOMPARE(child<QLineEdit>("countdownMinutesField")->text(), QStringLiteral("59"));
        QVERIFY(!save->isEnabled());
        child<QAbstractButton>("powerOffButton")->click();
        QVERIFY(save->isEnabled());
        // Loading cannot rewrite an armed schedule; Stop brings Load back.
        auto *load = window->findChild<QAction *>(QStringLiteral("loadAction"));
        QVERIFY(load->isEnabled());
        child<QAbstractButton>("startButton")->click();
        QVERIFY(window->armed() && !load->isEnabled() && save->isEnabled());
        child<QAbstractButton>("startButton")->click();
        QVERIFY(!window->armed() && load->isEnabled());
        save->trigger();
        QVERIFY(!save->isEnabled());
        QCOMPARE(fakes->stored.value(QStringLiteral("Action")), QStringLiteral("1"));
        QCOMPARE(fakes->stored.value(QStringLiteral("CountDown1")), QStringLiteral("59"));
        // A failed save says so and leaves the changes marked unsaved.
        fakes->saveWorks = false;
        child<QAbstractButton>("restartButton")->click();
        save->trigger();
        QVERIFY(save->isEnabled());
        QCOMPARE(fakes->messages, QStringList{"The settings could not be saved to "
                                              "/home/u/Orvanta.conf:\r\nthe disk is full"});
    }

    void dueScheduleRequestsAndCloses_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addRow("accepted") << true;
        // A refusal is shown; the window stays, disarmed, for Force or another time.
        QTest::addRow("refused") << false;
    }
    void dueScheduleRequestsAndCloses()
    {
        QFETCH(bool, accept);
        fakes->stored = {{QStringLiteral("Action"), QStringLiteral("1")},
                         {QStringLiteral("TimeSetting"), QStringLiteral("1")},
                         {QStringLiteral("CountDown2"), QStringLiteral("1")}};
        start();
        QSignalSpy closed(window.get(), &MainWindow::closed);
        auto *startButton = child<QAbstractButton>("startButton");
        startButton->click();
        fakes->clock.advance(1000);
        QCOMPARE(child<QLineEdit>("countdownSecondsField")->text(), QStringLiteral("0"));
        QVERIFY(fakes->requests.isEmpty());
        fakes->clock.advance(1000);
        QCOMPARE(fakes->requests, (QList<QPair<Action, bool>>{{Action::PowerOff, true}}));
        // On its way: Stop cannot be pressed, and a command line's --cancel is told so.
        QVERIFY(!startButton->isEnabled() && startButton->text() != QLatin1String("Stop"));
        QCOMPARE(window->apply(parseCommandLine({"orvanta", "--cancel"}, false)).kind,
                 CommandOutcome::Kind::TooLate);
        if (!accept)
            QTest::ignoreMessage(QtWarningMsg, "power off (forced) was refused: ");
        fakes->answer({accept, QString(), Refusal::AccessDenied, QString()});
        QCOMPARE(closed.count(), accept ? 1 : 0);
        QCOMPARE(window->isVisible(), !accept);
        QCOMPARE(fakes->messages.size(), accept ? 0 : 1);
        if (!accept) {
            QVERIFY(fakes->messages[0].startsWith("The computer was not turned off."));
            QVERIFY(!window->armed());
            QVERIFY(child<QAbstractButton>("forceBox")->isEnabled() && startButton->isEnabled());
        }
    }

    void captionsFit_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es"})
            for (int pt : {9, 12, 16})
                QTest::addRow("%s %d pt", language, pt) << pt << QString::fromLatin1(language);
    }
    void captionsFit()
    {
        QFETCH(int, pointSize);
        QFETCH(QString, language);
        // The translations as the program embeds them; English is the source text.
        QTranslator translator;
        const bool english = language == QLatin1String("en");
        QVERIFY(english || translator.load(QStringLiteral(":/i18n/orvanta_") + language));
        QApplication::installTranslator(&translator);
        QFont font;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        Fakes fakes;
        MainWindow main(fakes.services());
        main.start();
        AboutDialog about(&main, fakes, fakes);
        // Loaded and found under the windows' contexts, or the rows below check English again.
        auto *timeFrame = main.findChild<QGroupBox *>(QStringLiteral("timeFrame"));
        QCOMPARE(timeFrame->title() == QLatin1String("Time settings"), english);
        for (QWidget *w : {static_cast<QWidget *>(&main), static_cast<QWidget *>(&about)})
            for (QWidget *child : w->findChildren<QWidget *>()) {
                QSize need;
                if (auto *button = qobject_cast<QAbstractButton *>(child);
                    button && !button->text().isEmpty())
                    need = QSize(button->sizeHint().width() - 8, button->fontMetrics().height());
                else if (auto *label = qobject_cast<QLabel *>(child); label && !label->wordWrap())
                    need = QSize(label->fontMetrics().horizontalAdvance(label->text()),
                                 label->fontMetrics().height());
                else if (auto *box = qobject_cast<QGroupBox *>(child))
                    need = QSize(box->fontMetrics().horizontalAdvance(box->title()), 0);
                QVERIFY2(need.width() <= child->width() && need.height() <= child->height(),
                         qPrintable(child->objectName()));
            }
    }

    void webFallbackNamesTheAddress()
    {
        start();
        window->findChild<QAction *>(QStringLiteral("homePageAction"))->trigger();
        AboutDialog about(window.get(), *fakes, *fakes);
        auto *link = about.findChild<QLabel *>(QStringLiteral("homePageLink"));
        QTest::mouseClick(link, Qt::LeftButton);
        const QString sentence =
            QStringLiteral("Couldn't open your default browser. Please manually goto the adress:");
        QCOMPARE(fakes->messages,
                 (QStringList{sentence + "\r\n\r\nhttps://brannock.example/swe/developed/"
                                         "Orvanta/index.php",
                              sentence + "\r\nhttps://brannock.example/"}));
    }

private:
    void start()
    {
        window->start();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T> T *child(const char *name)
    {
        auto *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    std::unique_ptr<Fakes> fakes;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
