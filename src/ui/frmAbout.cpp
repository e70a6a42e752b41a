#include "ui/frmAbout.h"

#include "app/AppInfo.h"
#include "ui/AboutNotice.h"
#include "ui/DesignLayout.h"
#include "ui/SystemColours.h"
#include "web/OpenWebPage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont *font)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    if (font)
        l->setFont(*font);
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget *owner, WebOpener *web, MessageBoxService *messages)
    : QDialog(owner), m_web(web), m_messages(messages)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("About %1").arg(AppInfo::title()));
    // The bare surface takes the pointer off the link.
    setMouseTracking(true);

    const QFont small = arial(6.75);
    const QFont normal = arial(8.25);
    const QFont title = arial(20.25, true);
    DesignLayout layout;

    const QPixmap logo(QStringLiteral(":/orvanta/logo.png"), "PNG");
    for (int i = 0; i < 2; ++i) {
        imgLogo[i] = label(this, i == 0 ? "imgLogo_0" : "imgLogo_1", {}, nullptr);
        imgLogo[i]->setPixmap(logo);
        imgLogo[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    layout.add(imgLogo[1], QRect(120, 120, 480, 480));
    Label4 = label(this, "Label4", AppInfo::title(), &title);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout.add(Label4, QRect(600, 120, 3735, 495), true);
    layout.add(imgLogo[0], QRect(4320, 120, 480, 480));

    lblDescription =
        label(this, "lblDescription", tr("Copyright \u00a9 2003-2026 Ewan Brannock"), &small);
    QPalette black = lblDescription->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(black);
    layout.add(lblDescription, QRect(240, 720, 3255, 285), true);
    MinVersion = label(this, "MinVersion", AboutNotice::versionText(), &small);
    layout.add(MinVersion, QRect(3480, 720, 1335, 225), true);
    Label2 =
        label(this, "Label2", tr("This software is deployed as FREEWARE, which means:"), nullptr);
    layout.add(Label2, QRect(120, 1080, 4695, 255), true);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setAcceptRichText(false);
    RichTextBox1->setAccessibleName(tr("Freeware notice"));
    QPalette notice = RichTextBox1->palette();
    notice.setColor(QPalette::Base, SystemColour::resolve(SystemColour::WindowBackground, notice));
    RichTextBox1->setPalette(notice);
    layout.add(RichTextBox1, QRect(120, 1320, 4695, 1935));

    devName = label(this, "devName", tr("Developer:"), &normal);
    layout.add(devName, QRect(120, 3360, 855, 255), true);
    Label1 = label(this, "Label1", tr("Ewan Brannock\n12 Mill Row\nDunmarrow\nKV3 8LT, Scotland"),
                   &normal);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.add(Label1, QRect(1080, 3360, 1695, 855));
    Label3 = label(this, "Label3", homePageAddress(), &normal);
    QPalette blue = Label3->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label3->setPalette(blue);
    Label3->setToolTip(tr("Visit the homepage"));
    Label3->setAccessibleDescription(Label3->toolTip());
    Label3->setMouseTracking(true);
    Label3->installEventFilter(this);
    layout.add(Label3, QRect(1080, 4200, 3615, 255), true);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    // Default and cancel at once: Enter presses it, and Escape closes the dialog anyway.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    layout.add(cmdOK, QRect(3600, 4560, 1215, 375), true);

    layout.apply();
    setFixedSize(layout.toPixels(4980), layout.toPixels(5085));
    setTabOrder(cmdOK, RichTextBox1);
}

void frmAbout::showModal()
{
    Form_Load();
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        // The frame is known once the native window exists; centre the window with it.
        create();
        const QRect frame = frameGeometry();
        move(screen->availableGeometry().center() - QRect(QPoint(), frame.size()).center());
    }
    exec();
}

void frmAbout::Form_Load()
{
    MinVersion->setText(AboutNotice::versionText());
    // The whole text is replaced, so a second opening starts from the plain notice again.
    // The insertion format would otherwise carry the first title's format into the text.
    RichTextBox1->setReadOnly(false);
    RichTextBox1->clear();
    RichTextBox1->setCurrentCharFormat(QTextCharFormat());
    RichTextBox1->setPlainText(AboutNotice::text());
    QTextDocument *document = RichTextBox1->document();
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(11);
    QTextCursor found;
    for (const auto &search : AboutNotice::titleSearches()) {
        found = document->find(search.title, 0,
                               search.matchCase ? QTextDocument::FindCaseSensitively
                                                : QTextDocument::FindFlags());
        if (!found.isNull())
            found.mergeCharFormat(heading);
    }
    QTextCursor start(document);
    RichTextBox1->setTextCursor(start);
    RichTextBox1->setReadOnly(true);
    setLinkUnderline(false);
    cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmAbout::Form_Activate()
{
    setWindowTitle(tr("About %1").arg(AppInfo::title()));
    devName->setText(tr("Developer:"));
    // Drawn for the program: a two-colour pointing hand whose fingertip is at (5, 0).
    const QPixmap hand(QStringLiteral(":/orvanta/cursors/hand.png"), "PNG");
    Label3->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 5, 0));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::Label3_MouseMove()
{
    setLinkUnderline(true);
}

void frmAbout::Label3_Click()
{
    const QString address = Label3->text() + QStringLiteral("index.php?ref=Orvanta");
    OpenWebPage(*m_web, *m_messages, this, address, Label3->text(), 1);
}

void frmAbout::setLinkUnderline(bool on)
{
    QFont font = Label3->font();
    if (font.underline() == on)
        return;
    font.setUnderline(on);
    Label3->setFont(font);
}

void frmAbout::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A modal window takes the activation when it appears, also where no window manager
    // hands it over.
    activateWindow();
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over the other labels reach the window too; only the bare surface counts.
    if (!childAt(event->position().toPoint()))
        setLinkUnderline(false);
    QDialog::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label3) {
        if (event->type() == QEvent::MouseMove) {
            Label3_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton &&
                Label3->rect().contains(mouse->position().toPoint()))
                Label3_Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}
