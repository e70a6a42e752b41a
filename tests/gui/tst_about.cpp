#include "TestServices.h"

#include "ui/AboutNotice.h"
#include "ui/frmAbout.h"
#include "web/OpenWebPage.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

class AboutTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void titlesCarryTheHeadingFormat();
    void openedTwiceShowsTheSameNotice();
    void loadAndActivateTexts();
    void centredWhileMainWindowHidden();
    void keysClose_data();
    void keysClose();
    void hoverUnderline();

private:
    // Opens the About window through a menu entry and runs inside while it is modal; the
    // window is closed afterwards if inside left it open. Returns whether inside ran.
    bool whileOpen(const char *entry, const std::function<void(frmAbout *)> &inside);

    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Shutdown> m_window;
};

namespace {

struct Run
{
    QString text;
    bool heading;
};

// The text runs of the notice with whether each carries the heading format.
QList<Run> runs(const QTextEdit *edit)
{
    QList<Run> result;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool bold = format.fontWeight() == QFont::Bold;
            const bool eleven = qFuzzyCompare(format.fontPointSize(), 11.0);
            // Half a heading format would be a fault of its own.
            if (bold != eleven)
                qWarning("half a heading at %s", qPrintable(fragment.text()));
            result.append({fragment.text(), bold && eleven});
        }
    }
    return result;
}

QStringList headings(const QTextEdit *edit)
{
    QStringList texts;
    for (const Run &run : runs(edit))
        if (run.heading)
            texts << run.text;
    return texts;
}

} // namespace

void AboutTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_window = std::make_unique<Shutdown>(m_fakes->services());
    QVERIFY(m_window->Show());
}

void AboutTest::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

bool AboutTest::whileOpen(const char *entry, const std::function<void(frmAbout *)> &inside)
{
    bool ran = false;
    int polls = 0;
    auto *poll = new QTimer(this);
    poll->setInterval(10);
    connect(poll, &QTimer::timeout, this, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!about) {
            if (++polls > 300) // three seconds and still no window: give up
                poll->stop();
            return;
        }
        poll->stop();
        ran = true;
        inside(about);
        if (about->isVisible())
            about->reject();
    });
    poll->start();
    m_window->findChild<QAction *>(QLatin1String(entry))->trigger();
    delete poll;
    return ran;
}

void AboutTest::titlesCarryTheHeadingFormat()
{
    // The second opening formats a text that was formatted before.
    for (int opening = 0; opening < 2; ++opening) {
        QStringList found;
        bool readOnly = false;
        bool selection = true;
        QVERIFY(whileOpen("mnuAbout2", [&](frmAbout *about) {
            auto *notice = about->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
            found = headings(notice);
            readOnly = notice->isReadOnly();
            selection = notice->textCursor().hasSelection();
        }));
        QCOMPARE(found, (QStringList{QStringLiteral("Ownership"), QStringLiteral("License"),
                                     QStringLiteral("Cost")}));
        QVERIFY(readOnly);
        QVERIFY(!selection);
    }
}

void AboutTest::openedTwiceShowsTheSameNotice()
{
    QString html[2];
    QString plain[2];
    const char *entries[2] = {"mnuAbout2", "mnuAbout"};
    for (int i = 0; i < 2; ++i) {
        QVERIFY(whileOpen(entries[i], [&](frmAbout *about) {
            auto *notice = about->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
            html[i] = notice->toHtml();
            plain[i] = notice->toPlainText();
        }));
    }
    QCOMPARE(plain[0], AboutNotice::text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(plain[1], plain[0]);
    QCOMPARE(html[1], html[0]);
    // One instance serves both entries.
    QCOMPARE(m_window->findChildren<frmAbout *>().size(), 1);
}

void AboutTest::loadAndActivateTexts()
{
    QString caption, developer, version, link, tip;
    bool active = false;
    Qt::CursorShape shape = Qt::ArrowCursor;
    QVERIFY(whileOpen("mnuAbout", [&](frmAbout *about) {
        active = QTest::qWaitForWindowActive(about, 2000);
        caption = about->windowTitle();
        developer = about->findChild<QLabel *>(QStringLiteral("devName"))->text();
        version = about->findChild<QLabel *>(QStringLiteral("MinVersion"))->text();
        auto *label3 = about->findChild<QLabel *>(QStringLiteral("Label3"));
        link = label3->text();
        tip = label3->toolTip();
        shape = label3->cursor().shape();
    }));
    QVERIFY(active);
    QCOMPARE(caption, QStringLiteral("About Orvanta"));
    QCOMPARE(developer, QStringLiteral("Developer:"));
    QCOMPARE(version, QStringLiteral("Version 1.2 build #10"));
    QCOMPARE(link, homePageAddress());
    QCOMPARE(tip, QStringLiteral("Visit the homepage"));
    // The drawn hand when the resources are linked in, the platform's hand otherwise.
    QVERIFY(shape == Qt::BitmapCursor || shape == Qt::PointingHandCursor);
}

void AboutTest::centredWhileMainWindowHidden()
{
    m_window->hide();
    QPoint centre, screenCentre;
    QVERIFY(whileOpen("mnuAbout", [&](frmAbout *about) {
        centre = about->frameGeometry().center();
        screenCentre = about->screen()->availableGeometry().center();
    }));
    QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2 %3,%4")
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
}

void AboutTest::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void AboutTest::keysClose()
{
    QFETCH(int, key);
    bool closedByKey = false;
    QVERIFY(whileOpen("mnuAbout2", [&](frmAbout *about) {
        QVERIFY(QTest::qWaitForWindowActive(about, 2000));
        QTest::keyClick(about->focusWidget(), Qt::Key(key));
        closedByKey = !about->isVisible();
    }));
    QVERIFY(closedByKey);
}

void AboutTest::hoverUnderline()
{
    // Pointer moves go to the topmost window under the pointer: only this one is shown.
    m_window->hide();
    frmAbout about(nullptr, &m_fakes->web, &m_fakes->messages);
    about.Form_Load();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *link = about.findChild<QLabel *>(QStringLiteral("Label3"));
    auto *address = about.findChild<QLabel *>(QStringLiteral("Label1"));
    const QPoint bare(about.width() - 3, about.height() - 3);
    QVERIFY(!about.childAt(bare));

    QVERIFY(!link->font().underline());
    QTest::mouseMove(link, link->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(link->font().underline(), 1000);
    // Onto the address label straight from the link: still underlined.
    QTest::mouseMove(address, address->rect().center());
    QTest::qWait(20);
    QVERIFY(link->font().underline());
    QTest::mouseMove(&about, bare);
    QTRY_VERIFY_WITH_TIMEOUT(!link->font().underline(), 1000);
    QTest::mouseMove(link, link->rect().center());
    QTRY_VERIFY_WITH_TIMEOUT(link->font().underline(), 1000);
    // A new opening starts without it.
    about.hide();
    about.Form_Load();
    QVERIFY(!link->font().underline());
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
