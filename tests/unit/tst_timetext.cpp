#include "entry/TimeText.h"

#include <QTest>

#include <limits>

class TimeTextTest : public QObject
{
    Q_OBJECT
private slots:
    void number_data();
    void number();
    void plain_data();
    void plain();
    void halfEven_data();
    void halfEven();
};

// What counts as a number in a time field, and the double it reads as.
void TimeTextTest::number_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    auto yes = [](const char *text, double value) {
        QTest::newRow(text) << QString::fromUtf8(text) << true << value;
    };
    auto no = [](const char *name, const QString &text) {
        QTest::newRow(name) << text << false << 0.0;
    };
    yes("7", 7);
    yes("07", 7);
    yes("-3", -3);
    yes("+5", 5);
    yes("2.5", 2.5);
    yes(".5", 0.5);
    yes("1.", 1);
    yes("-0", 0);
    yes(" 12 ", 12);
    yes("\t9\t", 9);
    yes("1e2", 100);
    yes("2.5E-1", 0.25);
    yes("1e308", 1e308);
    yes("1e-999", 0); // underflow: a tiny number, read as 0
    yes("00000000000000000000000000000000000000001", 1);
    no("empty", QString());
    no("blank", QStringLiteral("   "));
    no("letters", QStringLiteral("abc"));
    no("comma decimal", QStringLiteral("2,5"));
    no("group separator", QStringLiteral("1,000"));
    no("two points", QStringLiteral("1.2.3"));
    no("lone point", QStringLiteral("."));
    no("lone minus", QStringLiteral("-"));
    no("inner blank", QStringLiteral("1 2"));
    no("inf", QStringLiteral("inf"));
    no("-inf", QStringLiteral("-inf"));
    no("nan", QStringLiteral("nan"));
    no("overflow", QStringLiteral("1e999"));
    no("hex", QStringLiteral("0x10"));
    no("exponent only", QStringLiteral("e5"));
    no("trailing letter", QStringLiteral("5s"));
    no("arabic-indic digits", QString::fromUtf8("\u0665"));
    no("fullwidth digit", QString::fromUtf8("\uff15"));
    no("newline inside", QStringLiteral("5\n6"));
}

void TimeTextTest::number()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = parseTimeNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (parsed)
        QCOMPARE(*parsed, value);
    QCOMPARE(timeNumberOrZero(text), isNumber ? value : 0.0);
}

void TimeTextTest::plain_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("half") << 2.5 << "2.5";
    QTest::newRow("negative") << -4.0 << "-4";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("shortest") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("small") << 1e-7 << "0.0000001";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("large whole") << 1e21 << "1000000000000000000000";
    QTest::newRow("2^53") << 9007199254740992.0 << "9007199254740992";
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << "0";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "0";
}

void TimeTextTest::plain()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(plainDecimal(value), text);
    // What is written reads back as the same number.
    if (std::isfinite(value))
        QCOMPARE(timeNumberOrZero(plainDecimal(value)), value == 0 ? 0.0 : value);
}

void TimeTextTest::halfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("59.5") << 59.5 << 60.0;
    QTest::newRow("60.5") << 60.5 << 60.0;
    QTest::newRow("61.5") << 61.5 << 62.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("59.2") << 59.2 << 59.0;
    QTest::newRow("59.50000000000001") << 59.50000000000001 << 60.0;
    QTest::newRow("60.49999999999999") << 60.49999999999999 << 60.0;
    QTest::newRow("2^51+0.5") << 2251799813685248.5 << 2251799813685248.0;
    QTest::newRow("2^51+1.5") << 2251799813685249.5 << 2251799813685250.0;
    QTest::newRow("1e300") << 1e300 << 1e300;
}

void TimeTextTest::halfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

QTEST_APPLESS_MAIN(TimeTextTest)
#include "tst_timetext.moc"
