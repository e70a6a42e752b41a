#include "TestServices.h"

#include "ui/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

class WebMessagesTest : public QObject
{
    Q_OBJECT
private slots:
    void links_data();
    void links();
};

void WebMessagesTest::links_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("message");

    const QString sentence =
        QStringLiteral("Couldn't open your default browser. Please manually goto the adress:");
    const QString product =
        QStringLiteral("https://brannock.example/swe/developed/Orvanta/index.php");
    const QString other = QStringLiteral("https://brannock.example/index.php");
    const QString referred = QStringLiteral("https://brannock.example/index.php?ref=Orvanta");
    for (int result : {32, 33}) {
        const bool fails = result < 33;
        const QByteArray tag = "/" + QByteArray::number(result);
        QTest::newRow("mnuSDW" + tag)
            << QStringLiteral("mnuSDW") << result << product
            << (fails ? sentence + QStringLiteral("\r\n\r\n") + product : QString());
        QTest::newRow("mnuOther" + tag)
            << QStringLiteral("mnuOther") << result << other
            << (fails ? sentence + QStringLiteral("\r\n\r\n") + other : QString());
        // The link shows its caption alone, on the very next line.
        QTest::newRow("Label3" + tag)
            << QStringLiteral("Label3") << result << referred
            << (fails ? sentence + QStringLiteral("\r\nhttps://brannock.example/") : QString());
    }
    QTest::newRow("mnuSDW/0") << QStringLiteral("mnuSDW") << 0 << product
                              << sentence + QStringLiteral("\r\n\r\n") + product;
    QTest::newRow("Label3/42") << QStringLiteral("Label3") << 42 << referred << QString();
}

void WebMessagesTest::links()
{
    QFETCH(QString, source);
    QFETCH(int, result);
    QFETCH(QString, opened);
    QFETCH(QString, message);

    TestServices fakes;
    fakes.web.result = result;
    {
        Shutdown window(fakes.services());
        QVERIFY(window.Show());
        if (source == QLatin1String("Label3")) {
            window.hide();
            frmAbout about(&window, &fakes.web, &fakes.messages);
            about.Form_Load();
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            auto *link = about.findChild<QLabel *>(source);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
            // The About window stays open after its message.
            QVERIFY(about.isVisible());
        } else {
            window.findChild<QAction *>(source)->trigger();
        }
    }
    QCOMPARE(fakes.web.opened, QStringList{opened});
    QCOMPARE(fakes.messages.texts, message.isEmpty() ? QStringList() : QStringList{message});
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(WebMessagesTest)
#include "tst_webmessages.moc"
