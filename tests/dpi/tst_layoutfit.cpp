// Every caption fits its control, and the window keeps the designed proportions, whatever
// the scale factor (set per run through QT_SCALE_FACTOR) and the dialog font size.
#include "../gui/TestServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class LayoutFitTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void mainWindowCaptionsFit_data();
    void mainWindowCaptionsFit();

private:
    QFont m_originalFont;
};

void LayoutFitTest::initTestCase()
{
    m_originalFont = QApplication::font();
}

void LayoutFitTest::cleanup()
{
    QApplication::setFont(m_originalFont);
}

static void checkFits(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics fm(w->font());
        QString text;
        QSize need;
        if (auto *radio = qobject_cast<QRadioButton *>(w)) {
            text = radio->text();
            need = QSize(radio->sizeHint().width(), fm.height());
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            text = check->text();
            need = QSize(check->sizeHint().width(), fm.height());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            text = button->text();
            need = QSize(fm.horizontalAdvance(text) + 8, fm.height());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            if (label->wordWrap())
                need = QSize(0, label->heightForWidth(label->width()));
            else
                need = QSize(fm.horizontalAdvance(text), fm.height());
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            text = box->title();
            need = QSize(fm.horizontalAdvance(text) + 8, fm.height());
        } else {
            continue;
        }
        if (text.isEmpty())
            continue;
        QVERIFY2(need.width() <= w->width() && need.height() <= w->height(),
                 qPrintable(QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                                .arg(w->objectName(), text)
                                .arg(need.width())
                                .arg(need.height())
                                .arg(w->width())
                                .arg(w->height())));
    }
}

void LayoutFitTest::mainWindowCaptionsFit_data()
{
    QTest::addColumn<int>("pointSize");
    for (int pt : {9, 10, 11})
        QTest::addRow("%d pt", pt) << pt;
}

void LayoutFitTest::mainWindowCaptionsFit()
{
    QFETCH(int, pointSize);
    QFont font = m_originalFont;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    TestServices fakes;
    Shutdown window(fakes.services());
    QVERIFY(window.Show());
    checkFits(&window);
    // The client area keeps the designed 4335 x 4965 proportions.
    const QSize client = window.centralWidget()->size();
    const double ratio = double(client.width()) / client.height();
    QVERIFY2(qAbs(ratio - 4335.0 / 4965.0) < 0.01, qPrintable(QString::number(ratio)));
    window.close();
}

QTEST_MAIN(LayoutFitTest)
#include "tst_layoutfit.moc"
