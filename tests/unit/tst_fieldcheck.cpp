#include "entry/FieldCheck.h"
#include "entry/TimeText.h"

#include <QTest>

Q_DECLARE_METATYPE(TimeRow)

namespace {
QStringList describe(const std::vector<FieldWrite> &writes)
{
    QStringList out;
    for (const auto &w : writes)
        out << QStringLiteral("%1=%2").arg(w.index).arg(w.text);
    return out;
}
} // namespace

class FieldCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void settlesInOneCheck();
    void readsAfreshThroughCallbacks();
};

// Columns: the row, the field being left, the three texts before, the writes in order
// ("index=text"). A field in range causes no write at all.
void FieldCheckTest::check_data()
{
    QTest::addColumn<TimeRow>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("writes");

    const auto C = TimeRow::Countdown;
    const auto T = TimeRow::TimeOfDay;
    auto row = [](const char *name, TimeRow r, int index, QStringList before, QStringList writes) {
        QTest::newRow(name) << r << index << before << writes;
    };

    // Countdown hours.
    row("C empty hours", C, 0, {"", "5", "6"}, {"0=0"});
    row("C abc hours", C, 0, {"abc", "5", "6"}, {"0=0"});
    row("C hours 150 clamp", C, 0, {"150", "0", "0"}, {"0=99"});
    row("C hours 99 stay", C, 0, {"99", "0", "0"}, {});
    row("C hours 99.5 clamp", C, 0, {"99.5", "0", "0"}, {"0=99"});
    row("C hours -3", C, 0, {"-3", "0", "0"}, {"0=0"});
    row("C hours 12.5 stay", C, 0, {"12.5", "0", "0"}, {});
    row("C hours 1e300", C, 0, {"1e300", "0", "0"}, {"0=99"});
    row("C hours -1e300", C, 0, {"-1e300", "0", "0"}, {"0=0"});
    row("C hours inf", C, 0, {"inf", "0", "0"}, {"0=0"});
    row("C hours 1e999", C, 0, {"1e999", "0", "0"}, {"0=0"});
    row("C hours nan", C, 0, {"nan", "0", "0"}, {"0=0"});
    row("C hours 007 kept", C, 0, {"007", "0", "0"}, {});
    row("C hours blanks kept", C, 0, {" 7 ", "0", "0"}, {});
    row("C hours -0 kept", C, 0, {"-0", "0", "0"}, {});
    row("C hours 1e-999 kept", C, 0, {"1e-999", "0", "0"}, {});
    row("C hours comma", C, 0, {"1,5", "0", "0"}, {"0=0"});

    // Countdown minutes: one carry however large the excess.
    row("C min 75", C, 1, {"1", "75", "0"}, {"1=15", "0=2"});
    row("C min 150", C, 1, {"1", "150", "0"}, {"1=30", "0=2"});
    row("C min 75 hours 99", C, 1, {"99", "75", "0"}, {"1=15"});
    row("C min 75 hours 98", C, 1, {"98", "75", "0"}, {"1=15", "0=99"});
    row("C min carry to 98.5", C, 1, {"98.5", "60", "0"}, {"1=0", "0=99.5"});
    row("C min carry hours 99.5 left", C, 1, {"99.5", "60", "0"}, {"1=0"});
    row("C min -1", C, 1, {"4", "-1", "0"}, {"1=0"});
    row("C min 59 stay", C, 1, {"4", "59", "0"}, {});
    row("C min 07 kept", C, 1, {"4", "07", "0"}, {});
    row("C min 59.0000001", C, 1, {"4", "59.0000001", "0"}, {"1=59", "0=5"});
    row("C min 59.5 even up", C, 1, {"4", "59.5", "0"}, {"1=0", "0=5"});
    row("C min 60.5 even down", C, 1, {"4", "60.5", "0"}, {"1=0", "0=5"});
    row("C min 61.5 even up", C, 1, {"4", "61.5", "0"}, {"1=2", "0=5"});
    row("C min abc", C, 1, {"4", "abc", "0"}, {"1=0"});
    row("C min carry hours abc", C, 1, {"abc", "60", "0"}, {"1=0", "0=1"});
    row("C min carry hours fraction", C, 1, {"2.25", "60", "0"}, {"1=0", "0=3.25"});
    row("C min carry hours negative", C, 1, {"-5", "60", "0"}, {"1=0", "0=-4"});

    // Countdown seconds: the minutes are incremented without a test of their own.
    row("C sec 75", C, 2, {"0", "10", "75"}, {"2=15", "1=11"});
    row("C sec 61 cascade", C, 2, {"0", "59", "61"}, {"2=1", "1=60", "1=0", "0=1"});
    row("C sec 60 at 99", C, 2, {"99", "59", "60"}, {"2=0", "1=60", "1=0"});
    row("C sec 60 cascade to 99", C, 2, {"98", "59", "60"}, {"2=0", "1=60", "1=0", "0=99"});
    row("C sec 59.5", C, 2, {"0", "3", "59.5"}, {"2=0", "1=4"});
    row("C sec 59.2", C, 2, {"0", "3", "59.2"}, {"2=59", "1=4"});
    row("C sec 58.5 stay", C, 2, {"0", "3", "58.5"}, {});
    row("C sec 60.5", C, 2, {"0", "3", "60.5"}, {"2=0", "1=4"});
    row("C sec 61.5", C, 2, {"0", "3", "61.5"}, {"2=2", "1=4"});
    row("C sec 62.5", C, 2, {"0", "3", "62.5"}, {"2=2", "1=4"});
    row("C sec min 2.5", C, 2, {"0", "2.5", "60"}, {"2=0", "1=3.5"});
    row("C sec min 58.5 becomes 59.5", C, 2, {"0", "58.5", "60"}, {"2=0", "1=59.5", "1=0", "0=1"});
    row("C sec min 57.5", C, 2, {"0", "57.5", "60"}, {"2=0", "1=58.5"});
    row("C sec min unchecked 75", C, 2, {"1", "75", "60"}, {"2=0", "1=76", "1=16", "0=2"});
    row("C sec min negative", C, 2, {"0", "-5", "60"}, {"2=0", "1=-4"});
    row("C sec 59 59 stay", C, 2, {"0", "59", "59"}, {});
    row("C sec -1", C, 2, {"0", "59", "-1"}, {"2=0"});
    row("C sec empty", C, 2, {"0", "59", ""}, {"2=0"});
    row("C sec min abc", C, 2, {"0", "abc", "60"}, {"2=0", "1=1"});
    row("C sec cascade hours empty", C, 2, {"", "59", "60"}, {"2=0", "1=60", "1=0", "0=1"});
    // Whole numbers beyond 32 bits: the exact remainder of the double.
    row("C sec 2^31", C, 2, {"0", "0", "2147483648"}, {"2=8", "1=1"});
    row("C sec 2^53+1", C, 2, {"0", "0", "9007199254740993"}, {"2=32", "1=1"});
    row("C sec 1e300", C, 2, {"0", "0", "1e300"}, {"2=0", "1=1"});
    row("C sec max double", C, 2, {"0", "0", "1.7976931348623157e308"}, {"2=8", "1=1"});
    row("C sec -1e300", C, 2, {"0", "0", "-1e300"}, {"2=0"});
    row("C sec inf", C, 2, {"0", "0", "inf"}, {"2=0"});
    row("C sec -inf", C, 2, {"0", "0", "-inf"}, {"2=0"});
    row("C sec tiny", C, 2, {"0", "0", "1e-999"}, {});
    row("C min 1e300", C, 1, {"5", "1e300", "0"}, {"1=0", "0=6"});
    row("C sec exponent in range", C, 2, {"0", "0", "5e1"}, {});

    // Time of day: the hours wrap to 0.
    row("T hours 24", T, 0, {"24", "0", "0"}, {"0=0"});
    row("T hours 30", T, 0, {"30", "0", "0"}, {"0=0"});
    row("T hours 23 stay", T, 0, {"23", "0", "0"}, {});
    row("T hours 23.5", T, 0, {"23.5", "0", "0"}, {"0=0"});
    row("T hours -1", T, 0, {"-1", "0", "0"}, {"0=0"});
    row("T hours 023 kept", T, 0, {"023", "0", "0"}, {});
    row("T min 60 hours 22", T, 1, {"22", "60", "0"}, {"1=0", "0=23"});
    row("T min 60 hours 23", T, 1, {"23", "60", "0"}, {"1=0", "0=0"});
    row("T min 60 hours 22.5", T, 1, {"22.5", "60", "0"}, {"1=0", "0=23.5"});
    row("T min 60 hours 23.5", T, 1, {"23.5", "60", "0"}, {"1=0", "0=0"});
    row("T min 60 hours 40", T, 1, {"40", "60", "0"}, {"1=0", "0=0"});
    row("T sec 60 cascade wrap", T, 2, {"23", "59", "60"}, {"2=0", "1=60", "1=0", "0=0"});
    row("T sec 60 cascade", T, 2, {"22", "59", "60"}, {"2=0", "1=60", "1=0", "0=23"});
    row("T sec 119.5", T, 2, {"0", "0", "119.5"}, {"2=0", "1=1"});
    row("T sec min abc hours abc", T, 2, {"abc", "59", "60"}, {"2=0", "1=60", "1=0", "0=1"});
    row("T sec 00 kept", T, 2, {"0", "0", "00"}, {});
    row("T sec 2.50 kept", T, 2, {"0", "0", "2.50"}, {});
}

void FieldCheckTest::check()
{
    QFETCH(TimeRow, row);
    QFETCH(int, index);
    QFETCH(QStringList, before);
    QFETCH(QStringList, writes);

    std::array<QString, 3> texts{before[0], before[1], before[2]};
    std::vector<FieldWrite> applied;
    const auto returned = checkField(
        row, index, [&texts](int i) { return texts[i]; },
        [&](int i, const QString &text) {
            applied.push_back({i, text});
            texts[i] = text;
        });
    QCOMPARE(describe(returned), writes);
    QCOMPARE(describe(applied), writes);

    // Field texts end as the last write left them; fields never written keep their text.
    std::array<QString, 3> expected{before[0], before[1], before[2]};
    for (const QString &w : writes)
        expected[w.section(QLatin1Char('='), 0, 0).toInt()] = w.section(QLatin1Char('='), 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(texts[i], expected[i]);
}

// Over a grid of awkward texts: after the check the field left holds a number in range, a
// second check of it writes nothing, and only a carry touches a neighbour of lower index.
void FieldCheckTest::settlesInOneCheck()
{
    const QStringList samples = {"",     "x",     "-0",   "0",      "07",    "23",        "23.5",
                                 "24",   "58.5",  "59",   "59.2",   "59.5",  "60",        "60.5",
                                 "98.5", "99",    "99.5", "100",    "150",   "-1",        "-0.4",
                                 "1e9",  "1e300", "inf",  "-1e300", "2.5e1", "3000000000"};
    int checked = 0;
    for (const TimeRow row : {TimeRow::Countdown, TimeRow::TimeOfDay}) {
        const double limits[3] = {double(hourLimit(row)), 59, 59};
        for (int index = 0; index < 3; ++index) {
            for (const QString &own : samples) {
                for (const QString &other : samples) {
                    std::array<QString, 3> texts{other, other, other};
                    texts[index] = own;
                    const auto first = checkField(row, index, texts);
                    const auto value = parseTimeNumber(texts[index]);
                    QVERIFY2(value && *value >= 0 && *value <= limits[index],
                             qPrintable(own + QLatin1Char('|') + other));
                    QVERIFY(checkField(row, index, texts).empty());
                    for (const auto &w : first)
                        QVERIFY(w.index <= index);
                    ++checked;
                }
            }
        }
    }
    QCOMPARE(checked, 2 * 3 * samples.size() * samples.size());
}

// The check must read through the reader after each write rather than from a copy taken
// at the start: a reader that normalises what was written is seen by the next step.
void FieldCheckTest::readsAfreshThroughCallbacks()
{
    std::array<QString, 3> texts{QStringLiteral("1"), QStringLiteral("59"), QStringLiteral("60")};
    QStringList reads;
    const auto writes = checkField(
        TimeRow::Countdown, 2,
        [&](int i) {
            reads << QString::number(i);
            return texts[i];
        },
        [&](int i, const QString &text) {
            // A field that turns the written 60 minutes into 58 (as if something else had
            // changed it): the check must not carry on stale values.
            texts[i] = (i == 1 && text == QLatin1String("60")) ? QStringLiteral("58") : text;
        });
    QCOMPARE(describe(writes), (QStringList{"2=0", "1=60"}));
    QCOMPARE(texts[1], QStringLiteral("58"));
    QVERIFY(reads.size() >= 4);
}

QTEST_APPLESS_MAIN(FieldCheckTest)
#include "tst_fieldcheck.moc"
