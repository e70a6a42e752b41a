#include "ui/Shutdown.h"

#include "app/AppInfo.h"
#include "schedule/Clock.h"
#include "schedule/TickTimer.h"
#include "ui/DesignLayout.h"
#include "ui/MessageBox.h"
#include "ui/OptionButton.h"
#include "ui/Resources.h"
#include "ui/SystemColours.h"
#include "ui/TimeField.h"
#include "ui/UpDown.h"
#include "ui/frmAbout.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// A straight one-pixel line drawn in a system colour.
class LineControl final : public QWidget
{
public:
    LineControl(unsigned colour, QWidget *parent) : QWidget(parent), m_colour(colour)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), SystemColour::resolve(m_colour, palette()));
    }

private:
    unsigned m_colour;
};

} // namespace

Shutdown::Shutdown(const ShutdownServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("Shutdown"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());

    DesignLayout layout;
    buildControls(layout);
    buildMenus();
    wireEvents();
    layout.apply();

    // The client area below the menu bar is fixed; the user cannot resize the window.
    centralWidget()->setFixedSize(layout.toPixels(4335), layout.toPixels(4965));
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);
    startButton->setFocus(Qt::OtherFocusReason);
}

Shutdown::~Shutdown() = default;

void Shutdown::buildControls(DesignLayout &layout)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Line3 = new LineControl(SystemColour::AppWorkspace, client);
    Line3->setObjectName(QStringLiteral("Line3"));
    layout.add(Line3, QRect(-50, 0, 4550, 15));
    Line4 = new LineControl(SystemColour::WindowBackground, client);
    Line4->setObjectName(QStringLiteral("Line4"));
    layout.add(Line4, QRect(-50, 15, 4550, 15));

    Frame1 = new QGroupBox(tr("Action"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    layout.add(Frame1, QRect(120, 120, 4095, 1815), true);
    const QString actions[3] = {tr("Log off user"), tr("Turn off computer"),
                                tr("Restart computer")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new OptionButton(i, actions[i], Frame1);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        layout.add(Option1[i], QRect(240, 240 + 360 * i, 1935, 255), true);
    }
    Check1 = new VbCheckBox(tr("Force (no warnings by other programs, etc.)"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(tr("Don't mind waiting for programs to shut down"));
    Check1->setAccessibleDescription(Check1->toolTip());
    Check1->setValue(1);
    layout.add(Check1, QRect(240, 1320, 3495, 375), true);

    Frame2 = new QGroupBox(tr("Time settings"), client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    layout.add(Frame2, QRect(120, 1920, 4095, 2415), true);
    Option2[1] = new OptionButton(1, tr("Countdown"), Frame2);
    Option2[1]->setObjectName(QStringLiteral("Option2_1"));
    layout.add(Option2[1], QRect(240, 240, 1455, 255), true);
    Option2[0] = new OptionButton(0, tr("At a specific time"), Frame2);
    Option2[0]->setObjectName(QStringLiteral("Option2_0"));
    layout.add(Option2[0], QRect(240, 1320, 1575, 255), true);

    const int spinnerMax[2][3] = {{99, 59, 59}, {23, 59, 59}};
    const QString rowNames[2] = {tr("Countdown"), tr("Time of day")};
    const QString units[3] = {tr("Hours"), tr("Minutes"), tr("Seconds")};
    const int unitWidths[3] = {495, 615, 735};
    for (int row = 0; row < 2; ++row) {
        auto &fields = row == 0 ? Text1 : Text2;
        auto &spinners = row == 0 ? UpDown1 : UpDown2;
        const int top = row == 0 ? 600 : 1680;
        const QString arrayName = row == 0 ? QStringLiteral("1") : QStringLiteral("2");
        for (int i = 0; i < 3; ++i) {
            const int left = 600 + 720 * i;
            const QString unitLower = units[i].toLower();
            fields[i] = new TimeField(i, Frame2);
            fields[i]->setObjectName(QStringLiteral("Text%1_%2").arg(arrayName).arg(i));
            fields[i]->setText(QStringLiteral("0"));
            fields[i]->setAccessibleName(rowNames[row] + QLatin1Char(' ') + unitLower);
            fields[i]->setAccessibleDescription(
                tr("%1 %2; corrected when you leave the field").arg(rowNames[row], unitLower));
            layout.add(fields[i], QRect(left, top, 375, 285));

            spinners[i] = new UpDown(i, 0, spinnerMax[row][i], Frame2);
            spinners[i]->setObjectName(QStringLiteral("UpDown%1_%2").arg(arrayName).arg(i));
            spinners[i]->setAccessibleName(rowNames[row] + QLatin1Char(' ') + unitLower +
                                           QLatin1Char(' ') + tr("spinner"));
            spinners[i]->setAccessibleDescription(
                tr("Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off")
                    .arg(rowNames[row].toLower(), unitLower));
            layout.add(spinners[i], QRect(left + 360, top, 240, 285));

            auto &labels = i == 0 ? Label1 : i == 1 ? Label2 : Label3;
            labels[row] = new QLabel(units[i], Frame2);
            labels[row]->setObjectName(QStringLiteral("Label%1_%2").arg(i + 1).arg(row));
            labels[row]->setBuddy(fields[i]);
            layout.add(labels[row], QRect(left, top + 300, unitWidths[i], 255), true);
        }
    }
    // Only the first countdown field has the button face in the design.
    Text1[0]->setBackColor(SystemColour::resolve(SystemColour::ButtonFace, palette()));

    startButton = new QPushButton(tr("Start"), client);
    startButton->setObjectName(QStringLiteral("startButton"));
    startButton->setProperty("Tag", QStringLiteral("0"));
    startButton->setToolTip(tr("Start timer"));
    startButton->setAutoDefault(false);
    layout.add(startButton, QRect(1440, 4440, 2175, 375), true);

    minimizeButton = new QPushButton(client);
    minimizeButton->setObjectName(QStringLiteral("minimizeButton"));
    minimizeButton->setIcon(QIcon(QPixmap(QStringLiteral(":/orvanta/minimize.png"), "PNG")));
    minimizeButton->setIconSize(QSize(14, 13));
    minimizeButton->setToolTip(tr("Minimize to system tray"));
    minimizeButton->setAccessibleName(tr("Minimize to system tray"));
    minimizeButton->setAccessibleDescription(tr("Hide the window into the notification area"));
    minimizeButton->setAutoDefault(false);
    // Not a Tab stop and clicking it does not take the focus, so it never runs the field
    // check of the field being left.
    minimizeButton->setFocusPolicy(Qt::NoFocus);
    layout.add(minimizeButton, QRect(3840, 4440, 375, 375), true);

    Timer1 = new TickTimer(*m_services.clock, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setAlignToWallSecond([this] { return Option2[0]->Value(); });

    for (auto *w : std::initializer_list<QWidget *>{Option1[0], Option1[1], Option1[2], Check1,
                                                    Option2[0], Option2[1], startButton})
        w->setAccessibleName(static_cast<QAbstractButton *>(w)->text());
    startButton->setAccessibleDescription(startButton->toolTip());

    // Tab order: startButton, the actions, the modes, the countdown spinners, the countdown
    // fields, the time-of-day fields, the time-of-day spinners, and last the Force box.
    const QList<QWidget *> tabOrder = {startButton, Option1[0], Option1[1], Option1[2], Option2[0],
                                       Option2[1],  UpDown1[0], UpDown1[1], UpDown1[2], Text1[0],
                                       Text1[1],    Text1[2],   Text2[0],   Text2[1],   Text2[2],
                                       UpDown2[0],  UpDown2[1], UpDown2[2], Check1};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Shutdown::buildMenus()
{
    // The tray menu: never in the menu bar.
    mnuPopup = new QMenu(tr("Main"), this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    mnuShow = mnuPopup->addAction(tr("Restore"));
    mnuAbout = mnuPopup->addAction(tr("About Orvanta"));
    mnuPopup->addSeparator()->setObjectName(QStringLiteral("separator"));
    mnuExit = mnuPopup->addAction(tr("Exit"));

    mnuFile = menuBar()->addMenu(tr("File"));
    mnuSave = mnuFile->addAction(tr("Save settings"));
    mnuLoad = mnuFile->addAction(tr("Load settings"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSepa1"));
    mnuMinimize = mnuFile->addAction(tr("Minimize to system tray"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSeparator"));
    mnuExit2 = mnuFile->addAction(tr("Exit"));

    mnuHelp = menuBar()->addMenu(tr("Help"));
    mnuWeb = mnuHelp->addMenu(tr("On the Web"));
    mnuSDW = mnuWeb->addAction(tr("Orvanta"));
    mnuOther = mnuWeb->addAction(tr("Other programs from Brannock"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuseparat"));
    mnuAbout2 = mnuHelp->addAction(tr("About Orvanta"));

    const std::pair<QObject *, const char *> names[] = {
        {mnuFile, "mnuFile"},    {mnuHelp, "mnuHelp"},   {mnuWeb, "mnuWeb"},
        {mnuShow, "mnuShow"},    {mnuAbout, "mnuAbout"}, {mnuExit, "mnuExit"},
        {mnuSave, "mnuSave"},    {mnuLoad, "mnuLoad"},   {mnuMinimize, "mnuMinimize"},
        {mnuExit2, "mnuExit2"},  {mnuSDW, "mnuSDW"},     {mnuOther, "mnuOther"},
        {mnuAbout2, "mnuAbout2"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));
    // No access keys anywhere: a caption's '&' would otherwise become one.
    menuBar()->setNativeMenuBar(false);
}

void Shutdown::wireEvents()
{
    connect(startButton, &QPushButton::clicked, this, &Shutdown::startButton_Click);
    connect(minimizeButton, &QPushButton::clicked, this, &Shutdown::minimizeButton_Click);
    connect(Timer1, &TickTimer::timer, this, &Shutdown::Timer1_Timer);
    for (auto *option : Option1)
        connect(option, &OptionButton::click, this, &Shutdown::Option1_Click);
    for (auto *option : Option2)
        connect(option, &OptionButton::click, this, &Shutdown::Option2_Click);
    connect(Check1, &VbCheckBox::click, this, &Shutdown::Check1_Click);
    for (int i = 0; i < 3; ++i) {
        connect(Text1[i], &TimeField::change, this, &Shutdown::Text1_Change);
        connect(Text2[i], &TimeField::change, this, &Shutdown::Text2_Change);
        connect(Text1[i], &TimeField::validate, this,
                [this](int index, bool *cancel) { Text1_Validate(index, *cancel); });
        connect(Text2[i], &TimeField::validate, this,
                [this](int index, bool *cancel) { Text2_Validate(index, *cancel); });
        connect(UpDown1[i], &UpDown::change, this, &Shutdown::UpDown1_Change);
        connect(UpDown2[i], &UpDown::change, this, &Shutdown::UpDown2_Change);
    }
    connect(mnuShow, &QAction::triggered, this, &Shutdown::mnuShow_Click);
    connect(mnuAbout, &QAction::triggered, this, &Shutdown::mnuAbout_Click);
    connect(mnuExit, &QAction::triggered, this, &Shutdown::mnuExit_Click);
    connect(mnuSave, &QAction::triggered, this, &Shutdown::mnuSave_Click);
    connect(mnuLoad, &QAction::triggered, this, &Shutdown::mnuLoad_Click);
    connect(mnuMinimize, &QAction::triggered, this, &Shutdown::mnuMinimize_Click);
    connect(mnuExit2, &QAction::triggered, this, &Shutdown::mnuExit2_Click);
    connect(mnuSDW, &QAction::triggered, this, &Shutdown::mnuSDW_Click);
    connect(mnuOther, &QAction::triggered, this, &Shutdown::mnuOther_Click);
    connect(mnuAbout2, &QAction::triggered, this, &Shutdown::mnuAbout2_Click);
}

bool Shutdown::Show()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    if (m_ended || m_unloaded)
        return false;
    // Centred on the screen the first time it appears.
    if (!isVisible()) {
        adjustSize();
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    startButton->setFocus(Qt::OtherFocusReason);
    return true;
}

void Shutdown::Form_Load()
{
    if (m_services.previousInstance && m_services.previousInstance()) {
        m_services.messages->information(
            this, tr("Another instance of %1 is already running.\r\nClosing this instance now.")
                      .arg(AppInfo::title()));
        m_ended = true;
        if (m_services.endProcess)
            m_services.endProcess();
        return;
    }
    setWindowTitle(
        QStringLiteral("%1 v%2.%3").arg(AppInfo::title()).arg(AppInfo::Major).arg(AppInfo::Minor));
    AddTrayIcon();
    mnuLoad_Click();
}

void Shutdown::Form_QueryUnload(bool &cancel, int unloadMode)
{
    // Closing is never refused and never turned into hiding.
    Q_UNUSED(cancel);
    Q_UNUSED(unloadMode);
}

void Shutdown::Unload()
{
    close();
}

void Shutdown::closeEvent(QCloseEvent *event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel, 0);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    m_unloaded = true;
    Timer1->setEnabled(false);
    if (m_about)
        m_about->close();
    Form_Terminate();
    emit terminated();
}

void Shutdown::mnuExit_Click()
{
    Unload();
}

void Shutdown::mnuExit2_Click()
{
    Unload();
}
