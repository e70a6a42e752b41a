#include "ui/AboutNotice.h"

#include <QRegularExpression>
#include <QTest>

using AboutNotice::Run;
Q_DECLARE_METATYPE(QList<Run>)

class AboutNoticeTest : public QObject
{
    Q_OBJECT
private slots:
    void structure();
    void paragraphsKeepTheTitleRule();
    void titleRuns_data();
    void titleRuns();
    void version();
};

void AboutNoticeTest::structure()
{
    const QString notice = AboutNotice::text();
    QVERIFY(!notice.endsWith(QLatin1Char('\n')) && !notice.endsWith(QLatin1Char('\r')));
    // A lone CR or LF would break the section structure.
    QCOMPARE(notice.count(QLatin1Char('\r')), notice.count(QLatin1Char('\n')));
    QCOMPARE(notice.count(QStringLiteral("\r\n")), notice.count(QLatin1Char('\n')));

    const QStringList sections = notice.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(sections.size(), 3);
    const QStringList titles = {QStringLiteral("Ownership"), QStringLiteral("License"),
                                QStringLiteral("Cost")};
    const int sentences[3] = {4, 3, 2};
    for (int i = 0; i < 3; ++i) {
        const QStringList lines = sections[i].split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], titles[i]);
        QCOMPARE(lines[1].count(QRegularExpression(QStringLiteral("[.!?](\\s|$)"))), sentences[i]);
    }
}

void AboutNoticeTest::paragraphsKeepTheTitleRule()
{
    const QStringList sections = AboutNotice::text().split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(sections.size(), 3);
    QStringList paragraphs;
    for (const QString &section : sections)
        paragraphs << section.section(QStringLiteral("\r\n"), 1);
    for (const QString &paragraph : paragraphs) {
        QVERIFY2(!paragraph.contains(QStringLiteral("License")), qPrintable(paragraph));
        QVERIFY2(!paragraph.contains(QStringLiteral("Cost")), qPrintable(paragraph));
    }
    // The lower-case words the searches have to pass over are really there.
    QVERIFY(paragraphs[0].contains(QStringLiteral("ownership")));
    QVERIFY(paragraphs[0].contains(QStringLiteral("license")));
    QVERIFY(paragraphs[1].contains(QStringLiteral("license")));
    QVERIFY(paragraphs[1].contains(QStringLiteral("cost")));
}

void AboutNoticeTest::titleRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Run>>("runs");

    const QString notice = AboutNotice::text();
    const auto at = [&notice](const char *title) {
        const QString t = QLatin1String(title);
        const qsizetype i = notice.indexOf(QStringLiteral("\r\n") + t + QStringLiteral("\r\n"));
        return Run{i < 0 ? -1 : i + 2, t.size()};
    };
    QTest::newRow("the notice: the three title lines")
        << notice << QList<Run>{{0, 9}, at("License"), at("Cost")};
    QTest::newRow("ownership found in any case, the first one wins")
        << QStringLiteral("no OWNERSHIP here\r\nOwnership") << QList<Run>{{3, 9}};
    QTest::newRow("lower-case license and cost are passed over")
        << QStringLiteral("license cost\r\nLicense\r\nCost") << QList<Run>{{14, 7}, {23, 4}};
    QTest::newRow("a capital License in a paragraph would be taken")
        << QStringLiteral("a License\r\nLicense") << QList<Run>{{2, 7}};
    QTest::newRow("missing titles add no run") << QStringLiteral("nothing") << QList<Run>{};
}

void AboutNoticeTest::titleRuns()
{
    QFETCH(QString, text);
    QFETCH(QList<Run>, runs);
    const QList<Run> got = AboutNotice::titleRuns(text);
    QCOMPARE(got.size(), runs.size());
    for (int i = 0; i < runs.size(); ++i) {
        QCOMPARE(got[i].start, runs[i].start);
        QCOMPARE(got[i].length, runs[i].length);
    }
}

void AboutNoticeTest::version()
{
    QCOMPARE(AboutNotice::versionText(), QStringLiteral("Version 1.2 build #10"));
}

QTEST_APPLESS_MAIN(AboutNoticeTest)
#include "tst_aboutnotice.moc"
