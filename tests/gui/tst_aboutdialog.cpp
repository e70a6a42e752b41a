// The About window in Fusion: a blue link and black text on the default palette, every text
// rendered at 4.5 : 1 or more on a dark one, sizes following the application font.
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

// The strongest contrast of a drawn pixel with the background, the most common colour.
double renderedContrast(QWidget *widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const auto luminance = [](QRgb rgb) { // relative luminance, + 0.05
        double sum = 0.05;
        for (const auto &[c, weight] :
             {std::pair{qRed(rgb), 0.2126}, {qGreen(rgb), 0.7152}, {qBlue(rgb), 0.0722}}) {
            const double v = c / 255.0;
            sum += weight * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double background = luminance(std::max_element(counts.cbegin(), counts.cend()).key());
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max({best, luminance(it.key()) / background, background / luminance(it.key())});
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
                                            {QPalette::Link, 0x1d99f3}})
                palette.setColor(role, QColor::fromRgb(QRgb(rgb)));
        QApplication::setPalette(palette);
        QApplication::setFont(QFont(QApplication::font().family(), points));
        Fakes fakes;
        AboutDialog about(nullptr, fakes, fakes);
        const auto label = [&about](const char *n) { return about.findChild<QLabel *>(n); };
        const auto ink = [&](const char *n) {
            return label(n)->palette().color(QPalette::WindowText);
        };
        QVERIFY(dark || (ink("homePageLink") == Qt::blue && ink("copyrightLabel") == Qt::black));
        QVERIFY(label("titleLabel")->font().pointSizeF() > 2 * points);
        QVERIFY(label("copyrightLabel")->font().pointSizeF() < points);
        for (QLabel *text : about.findChildren<QLabel *>())
            if (!text->text().isEmpty())
                QVERIFY2(renderedContrast(text) >= 4.5, qPrintable(text->objectName()));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "tst_aboutdialog.moc"
