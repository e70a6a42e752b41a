#include "gui/AboutDialog.h"

#include "core/AboutNotice.h"
#include "core/AppInfo.h"
#include "gui/DesignLayout.h"
#include "gui/SystemColours.h"
#include "gui/WebPages.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

// The window was drawn for a dialog font of 8.25 points; its own sizes follow the font the
// user chose, in the same proportion.
constexpr double DesignDialogPoints = 8.25;

QFont arial(const QFont &dialogFont, double designPoints, bool bold = false)
{
    QFont font(dialogFont);
    font.setFamilies({QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    const double scale = designPoints / DesignDialogPoints;
    if (dialogFont.pointSizeF() > 0)
        font.setPointSizeF(dialogFont.pointSizeF() * scale);
    else
        font.setPixelSize(qRound(dialogFont.pixelSize() * scale));
    font.setBold(bold);
    return font;
}

double relativeLuminance(const QColor &colour)
{
    const auto channel = [](float value) {
        return value <= 0.04045f ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The palette's own colour, made lighter or darker only as far as needed to be read on the
// background: a dark theme's link blue is often too dark for its window (4.5 : 1 is the
// usual bar for small text).
QColor readable(QColor colour, const QColor &background)
{
    const double behind = relativeLuminance(background);
    const auto contrast = [behind](const QColor &c) {
        const double front = relativeLuminance(c);
        return (std::max(front, behind) + 0.05) / (std::min(front, behind) + 0.05);
    };
    const bool darkBackground = behind < 0.18;
    for (int step = 0; step < 20 && contrast(colour) < 4.5; ++step)
        colour = darkBackground ? colour.lighter(115) : colour.darker(115);
    if (contrast(colour) < 4.5)
        colour = darkBackground ? Qt::white : Qt::black;
    return colour;
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

AboutDialog::AboutDialog(QWidget *owner, WebOpener &web, MessageBoxService &messages)
    : QDialog(owner), m_web(web), m_messages(messages)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("About %1").arg(AppInfo::title()));
    // The bare surface takes the pointer off the link.
    setMouseTracking(true);

    const QFont small = arial(font(), 6.75);
    const QFont normal = arial(font(), 8.25);
    const QFont title = arial(font(), 20.25, true);
    DesignLayout layout;

    const QPixmap logo(QStringLiteral(":/orvanta/logo.png"), "PNG");
    // The logo stands on both sides of the title.
    QLabel *logos[2] = {};
    for (int i = 0; i < 2; ++i) {
        logos[i] = label(this, i == 0 ? "leftLogo" : "rightLogo", {}, nullptr);
        logos[i]->setPixmap(logo);
        logos[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    layout.add(logos[0], QRect(120, 120, 480, 480));
    QLabel *titleLabel = label(this, "titleLabel", AppInfo::title(), &title);
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout.add(titleLabel, QRect(600, 120, 3735, 495), true);
    layout.add(logos[1], QRect(4320, 120, 480, 480));

    QLabel *copyright =
        label(this, "copyrightLabel", tr("Copyright \u00a9 2003-2026 Ewan Brannock"), &small);
    layout.add(copyright, QRect(240, 720, 3255, 285), true);
    m_version = label(this, "versionLabel", AboutNotice::versionText(), &small);
    layout.add(m_version, QRect(3480, 720, 1335, 225), true);
    QLabel *freeware = label(this, "freewareLabel",
                             tr("This software is deployed as FREEWARE, which means:"), nullptr);
    layout.add(freeware, QRect(120, 1080, 4695, 255), true);

    m_notice = new QTextEdit(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setAcceptRichText(false);
    m_notice->setAccessibleName(tr("Freeware notice"));
    QPalette notice = m_notice->palette();
    notice.setColor(QPalette::Base, SystemColour::resolve(SystemColour::WindowBackground, notice));
    m_notice->setPalette(notice);
    layout.add(m_notice, QRect(120, 1320, 4695, 1935));

    m_developerCaption = label(this, "developerCaption", tr("Developer:"), &normal);
    layout.add(m_developerCaption, QRect(120, 3360, 855, 255), true);
    QLabel *address =
        label(this, "addressLabel", tr("Ewan Brannock\n12 Mill Row\nDunmarrow\nKV3 8LT, Scotland"),
              &normal);
    address->setWordWrap(true);
    address->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.add(address, QRect(1080, 3360, 1695, 855));
    m_link = label(this, "homePageLink", AppInfo::homePageAddress(), &normal);
    applyColours();
    m_link->setToolTip(tr("Visit the homepage"));
    m_link->setAccessibleDescription(m_link->toolTip());
    m_link->setMouseTracking(true);
    m_link->installEventFilter(this);
    layout.add(m_link, QRect(1080, 4200, 3615, 255), true);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    // Default and cancel at once: Enter presses it, and Escape closes the dialog anyway.
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    layout.add(m_okButton, QRect(3600, 4560, 1215, 375), true);

    layout.apply();
    setFixedSize(layout.toPixels(4980), layout.toPixels(5085));
    setTabOrder(m_okButton, m_notice);
}

void AboutDialog::showModal()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    load();
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        // The frame is known once the native window exists; centre the window with it.
        create();
        const QRect frame = frameGeometry();
        move(screen->availableGeometry().center() - QRect(QPoint(), frame.size()).center());
    }
    // Modal to the whole program, without a loop of its own: the caller goes on at once.
    setModal(true);
    show();
}

void AboutDialog::load()
{
    m_version->setText(AboutNotice::versionText());
    // The whole text is replaced, so a second opening starts from the plain notice again.
    // The insertion format would otherwise carry the first title's format into the text.
    m_notice->setReadOnly(false);
    m_notice->clear();
    m_notice->setCurrentCharFormat(QTextCharFormat());
    m_notice->setPlainText(AboutNotice::text());
    QTextDocument *document = m_notice->document();
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    const double noticePoints = m_notice->font().pointSizeF();
    heading.setFontPointSize(noticePoints > 0 ? noticePoints * 11 / DesignDialogPoints : 11);
    QTextCursor found;
    for (const auto &search : AboutNotice::titleSearches()) {
        found = document->find(search.title, 0,
                               search.matchCase ? QTextDocument::FindCaseSensitively
                                                : QTextDocument::FindFlags());
        if (!found.isNull())
            found.mergeCharFormat(heading);
    }
    QTextCursor start(document);
    m_notice->setTextCursor(start);
    m_notice->setReadOnly(true);
    setLinkUnderline(false);
    m_okButton->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::onActivated()
{
    setWindowTitle(tr("About %1").arg(AppInfo::title()));
    m_developerCaption->setText(tr("Developer:"));
    // Drawn for the program: a two-colour pointing hand whose fingertip is at (5, 0).
    const QPixmap hand(QStringLiteral(":/orvanta/cursors/hand.png"), "PNG");
    m_link->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 5, 0));
}

void AboutDialog::onLinkClicked()
{
    const QString address = m_link->text() + QStringLiteral("index.php?ref=Orvanta");
    openWebPage(m_web, m_messages, this, address, m_link->text(), 1);
}

void AboutDialog::setLinkUnderline(bool on)
{
    QFont font = m_link->font();
    if (font.underline() == on)
        return;
    font.setUnderline(on);
    m_link->setFont(font);
}

void AboutDialog::applyColours()
{
    // The link in the palette's own link colour: blue on the default palette.
    QPalette link = m_link->palette();
    link.setColor(QPalette::WindowText,
                  readable(palette().color(QPalette::Link), palette().color(QPalette::Window)));
    m_link->setPalette(link);
}

void AboutDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyColours();
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onActivated();
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A modal window takes the activation when it appears, also where no window manager
    // hands it over.
    activateWindow();
}

void AboutDialog::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over the other labels reach the window too; only the bare surface counts.
    if (!childAt(event->position().toPoint()))
        setLinkUnderline(false);
    QDialog::mouseMoveEvent(event);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link) {
        if (event->type() == QEvent::MouseMove) {
            setLinkUnderline(true);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton &&
                m_link->rect().contains(mouse->position().toPoint()))
                onLinkClicked();
        }
    }
    return QDialog::eventFilter(watched, event);
}
