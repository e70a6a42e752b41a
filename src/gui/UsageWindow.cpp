#include "gui/UsageWindow.h"

#include "core/AppInfo.h"
#include "core/CommandLine.h"
#include "gui/Resources.h"
#include "gui/Translations.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

bool asksForHelp(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-?")
            return true;
    }
    return false;
}

// The toolkit's own test for a message box instead of printing (QCommandLineParser): no
// console, and no standard handles handed down by the starting program (a pipe, a file).
bool nowhereToPrint()
{
#ifdef Q_OS_WIN
    if (GetConsoleWindow() ||
        qEnvironmentVariableIsSet("QT_COMMAND_LINE_PARSER_NO_GUI_MESSAGE_BOXES"))
        return false;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return !(startup.dwFlags & STARTF_USESTDHANDLES);
#else
    return false; // a terminal, or whatever the starting program made of the output
#endif
}

// The system's fixed-pitch font, or where it is missing (wine without Windows fonts puts a
// proportional one in its place) the first family of fixed pitch there is.
QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(font).fixedPitch())
        return font;
    const QStringList families = QFontDatabase::families();
    const auto fixed = std::find_if(families.begin(), families.end(), [](const QString &family) {
        return QFontDatabase::isFixedPitch(family);
    });
    if (fixed != families.end())
        font.setFamilies({*fixed});
    return font;
}

int showUsage(int &argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    QCoreApplication::setApplicationName(AppInfo::title());
    const QString usage = commandLineUsage();

    QDialog window;
    window.setWindowTitle(AppInfo::title());
    window.setWindowIcon(programIcon());
    auto *text = new QPlainTextEdit(usage, &window);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(fixedPitchFont());
    // Wide and tall enough for the whole text where the screen has room; it scrolls where not.
    const QFontMetrics metrics(text->font());
    const QStringList lines = usage.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const int frame = 2 * (text->frameWidth() + qCeil(text->document()->documentMargin())) +
                      text->verticalScrollBar()->sizeHint().width() + metrics.lineSpacing();
    const QSize room = window.screen()->availableGeometry().size() * 3 / 4;
    text->setMinimumSize(qMin(width + frame, room.width()),
                         qMin(metrics.lineSpacing() * int(lines.size()) + frame, room.height()));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window.show();
    return QApplication::exec();
}

} // namespace

void answerHelpInWindow(int &argc, char *argv[])
{
    if (asksForHelp(argc, argv) && nowhereToPrint())
        std::exit(showUsage(argc, argv));
}
