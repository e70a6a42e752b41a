// The About window rendered in Fusion on the default palette and on a dark one: its colours
// come from the palette (a blue link and black text by default), every text stands out from
// the window by at least 4.5 : 1, and its sizes follow the application font.
#include "core/WebOpener.h"
#include "gui/AboutDialog.h"
#include "gui/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cmath>

namespace {

struct Fakes final : WebOpener, MessageBoxService
{
    void open(const QString &, Done done) override { done(true); }
    void information(QWidget *, const QString &, std::function<void()>) override {}
};

double luminance(QRgb rgb)
{
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The strongest contrast between a drawn pixel and the background, the most common colour.
double renderedContrast(QWidget *widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background = std::max_element(counts.cbegin(), counts.cend()).key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double a = luminance(it.key()) + 0.05, b = luminance(background) + 0.05;
        best = std::max(best, std::max(a, b) / std::min(a, b));
    }
    return best;
}

} // namespace

class AboutDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void readable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("points");
        QTest::addRow("default 9 pt") << false << 9;
        QTest::addRow("dark 9 pt") << true << 9;
        QTest::addRow("dark 16 pt") << true << 16;
    }
    void readable()
    {
        QFETCH(bool, dark);
        QFETCH(int, points);
        QPalette palette = QApplication::style()->standardPalette();
        if (dark) // a dark desktop theme's colours
            for (const auto &[role, rgb] : {std::pair{QPalette::Window, 0x2a2e32},
                                            {QPalette::WindowText, 0xfcfcfc},
                                            {QPalette::Base, 0x1b1e20},
                                            {QPalette::Text, 0xfcfcfc},
                                            {QPalette::Button, 0x31363b},
                                            {QPalette::ButtonText, 0xfcfcfc},
                                            {QPalette::Link, 0x1d99f3}})
                palette.setColor(role, QColor::fromRgb(QRgb(rgb)));
        QApplication::setPalette(palette);
        QFont font;
        font.setPointSize(points);
        QApplication::setFont(font);
        Fakes fakes;
        AboutDialog about(nullptr, fakes, fakes);
        const auto label = [&about](const char *name) {
            return about.findChild<QLabel *>(QLatin1String(name));
        };
        if (!dark) {
            QCOMPARE(label("homePageLink")->palette().color(QPalette::WindowText),
                     QColor(Qt::blue));
            QCOMPARE(label("copyrightLabel")->palette().color(QPalette::WindowText),
                     QColor(Qt::black));
        }
        QVERIFY(label("titleLabel")->font().pointSizeF() > 2 * points);
        QVERIFY(label("copyrightLabel")->font().pointSizeF() < points);
        for (QLabel *text : about.findChildren<QLabel *>())
            if (!text->text().isEmpty())
                QVERIFY2(renderedContrast(text) >= 4.5, qPrintable(text->objectName()));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "tst_aboutdialog.moc"
