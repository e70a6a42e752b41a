// The pictures compiled into the program: every name the windows load resolves, with the
// size and look the windows rely on.

#include "ui/Resources.h"

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void iconSize_data();
    void iconSize();
    void programIconHasEverySize();
    void minimizePicture();
    void logo();
    void handCursor();
};

void TstResources::iconSize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

// A round icon: transparent corners, an opaque middle.
void TstResources::iconSize()
{
    QFETCH(int, size);
    const QImage image(QStringLiteral(":/orvanta/icons/orvanta-%1.png").arg(size));
    QVERIFY2(!image.isNull(), "icon not in the resources");
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

void TstResources::programIconHasEverySize()
{
    const QIcon icon = programIcon();
    QCOMPARE(icon.availableSizes().size(), 7);
    for (int size : {16, 24, 32})
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
}

// Black on 0xCCCCCC: an arrow from the upper left and a block in the lower-right corner.
void TstResources::minimizePicture()
{
    const QImage image =
        QImage(QStringLiteral(":/orvanta/minimize.png")).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!image.isNull(), "minimize picture not in the resources");
    QCOMPARE(image.size(), QSize(14, 13));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    QCOMPARE(colours, (QSet<QRgb>{0xCCCCCC, 0x000000}));
    QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, 0xCCCCCCu);
    QCOMPARE(image.pixel(11, 10) & 0xFFFFFF, 0u);
    QCOMPARE(image.pixel(1, 1) & 0xFFFFFF, 0u);
}

void TstResources::logo()
{
    const QPixmap logo(QStringLiteral(":/orvanta/logo.png"));
    QVERIFY2(!logo.isNull(), "logo not in the resources");
    QCOMPARE(logo.size(), QSize(32, 32));
}

// Two colours and transparency; the hot spot (5, 0) the code gives the cursor must be a
// pixel of the fingertip, or the click lands beside the finger.
void TstResources::handCursor()
{
    const QImage image =
        QImage(QStringLiteral(":/orvanta/cursors/hand.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), "hand cursor not in the resources");
    QCOMPARE(image.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                colours.insert(image.pixel(x, y));
    QCOMPARE(colours, (QSet<QRgb>{0xFF000000, 0xFFFFFFFF}));
    QCOMPARE(image.pixel(5, 0), 0xFF000000u);
    QCOMPARE(image.pixel(5, 1), 0xFFFFFFFFu);
    QCOMPARE(qAlpha(image.pixel(3, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(7, 0)), 0);
}

QTEST_MAIN(TstResources)
#include "tst_resources.moc"
