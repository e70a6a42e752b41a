// The desktop's opener is believed by its exit status, not by having started.
#include "../Files.h"
#include "core/WebOpener.h"
#include "platform/Platform.h"

#include <QTemporaryDir>
#include <QTest>

class WebOpenerTest : public QObject
{
    Q_OBJECT
private slots:
    void exitStatusDecides_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("opened");
        QTest::addRow("browser took it") << "exit 0" << true;
        QTest::addRow("no browser") << "exit 4" << false;
        QTest::addRow("no opener at all") << QString() << false;
        QTest::addRow("killed") << "kill -9 $$" << false;
    }
    void exitStatusDecides()
    {
        QFETCH(QString, script);
        QFETCH(bool, opened);
        QTemporaryDir bin;
        const QString opener = bin.filePath(QStringLiteral("xdg-open"));
        if (!script.isNull()) {
            write(opener, ("#!/bin/sh\n" + script + "\n").toUtf8());
            QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner));
        }
        qputenv("PATH", bin.path().toLocal8Bit());
        std::optional<bool> answer;
        Platform::makeWebOpener()->open(QStringLiteral("https://example.invalid/"),
                                        [&answer](bool ok) { answer = ok; });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, opened);
    }
};

QTEST_MAIN(WebOpenerTest)
#include "tst_webopener.moc"
