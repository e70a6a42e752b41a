#include "core/FieldCheck.h"

#include <QTest>

class FieldCheckTest : public QObject
{
    Q_OBJECT
private slots:
    // In Germany "2,5" is a number, and so is "2.5", which stored settings use anywhere.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Row ('C'ountdown, 'T'ime of day) and field left, texts before, writes ("index=text").
    void check_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("writes");
        const auto row = [](const char *name, const char *field, const QStringList &before,
                            const QStringList &writes) {
            QTest::newRow(name) << QString::fromLatin1(field) << before << writes;
        };
        for (const char *text : {"", " ", "abc", "1.000.000", "1,5.5", "1 2", "0x10", "e5", "-",
                                 ".", "inf", "nan", "1e999", "\u0665"})
            QTest::addRow("'%s' is no number", text)
                << "C0" << QStringList{text, "5", "6"} << QStringList{"0=0"};
        for (const char *text :
             {" 7\t", "007", "+5", ".5", "1.", "12.5", "2,5", "2.5E-1", "1e-999"})
            QTest::addRow("'%s' kept", text)
                << "C0" << QStringList{text, "5", "6"} << QStringList{};
        row("hours 150 stay 99", "C0", {"150", "0", "0"}, {"0=99"});
        row("one carry only", "C1", {"1", "150", "0"}, {"1=30", "0=2"});
        row("no carry past 99", "C1", {"99", "75", "0"}, {"1=15"});
        row("carry up to 99", "C1", {"98", "75", "0"}, {"1=15", "0=99"});
        row("59.2 carries", "C1", {"4", "59.2", "0"}, {"1=59", "0=5"});
        row("60.5 half even", "C1", {"4", "60.5", "0"}, {"1=0", "0=5"});
        row("carry to non-number", "C1", {"abc", "60", "0"}, {"1=0", "0=1"});
        row("cascade", "C2", {"0", "59", "61"}, {"2=1", "1=60", "1=0", "0=1"});
        row("cascade at 99", "C2", {"99", "59", "60"}, {"2=0", "1=60", "1=0"});
        row("unchecked minutes", "C2", {"1", "75", "60"}, {"2=0", "1=76", "1=16", "0=2"});
        row("largest double", "C2", {"0", "0", "1.7976931348623157e308"}, {"2=8", "1=1"});
        row("clock hours 24", "T0", {"24", "0", "0"}, {"0=0"});
        row("clock carry wraps", "T1", {"23", "60", "0"}, {"1=0", "0=0"});
        row("clock cascade", "T2", {"23", "59", "60"}, {"2=0", "1=60", "1=0", "0=0"});
    }
    void check()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, before);
        QFETCH(QStringList, writes);
        const TimeMode row = field[0] == 'C' ? TimeMode::Countdown : TimeMode::TimeOfDay;
        std::array<QString, 3> texts{before[0], before[1], before[2]};
        QStringList returned, applied;
        for (const FieldCheck::FieldWrite &write : FieldCheck::checkField(
                 row, field[1].digitValue(), [&texts](int i) { return texts.at(i); },
                 [&](int i, const QString &text) {
                     applied << QString::number(i) + '=' + text;
                     texts.at(i) = text;
                 }))
            returned << QString::number(write.index) + '=' + write.text;
        QCOMPARE(returned, writes);
        QCOMPARE(applied, writes);
    }
};

QTEST_APPLESS_MAIN(FieldCheckTest)
#include "tst_fieldcheck.moc"
