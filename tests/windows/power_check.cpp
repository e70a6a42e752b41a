// The Windows back-ends against fakes of the Win32 functions. Built twice from the same
// source: natively with the type stand-ins, and with mingw-w64 for wine (see
// run-wine-check.sh). Plain C++ so that it needs nothing but the standard library.
#include "Win32Fakes.h"

#include "platform/windows/Win32Power.h"
#include "platform/windows/Win32Tray.h"
#include "platform/windows/Win32Web.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int g_checks = 0;
int g_failures = 0;
std::string g_case;

void expect(bool ok, const char *what, int line)
{
    ++g_checks;
    if (ok)
        return;
    ++g_failures;
    std::printf("FAIL [%s] line %d: %s\n", g_case.c_str(), line, what);
}

#define CHECK(condition) expect((condition), #condition, __LINE__)

using Names = std::vector<std::string>;
using Args = std::vector<std::uintptr_t>;

void begin(const std::string &name)
{
    g_case = name;
    fake::reset();
}

const fake::Call *lastCall(const char *name)
{
    const auto &calls = fake::state().calls;
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->name == name)
            return &*it;
    return nullptr;
}

// ---- power requests -------------------------------------------------------------------

const Names powerSequence{"GetCurrentProcess", "OpenProcessToken", "LookupPrivilegeValueA",
                          "AdjustTokenPrivileges", "ExitWindowsEx"};

void powerCallsInOrder()
{
    begin("power: the calls and their arguments");
    const bool accepted = win32::exitWindowsWithShutdownPrivilege(fake::api(), 12);
    CHECK(accepted);
    CHECK(fake::callNames() == powerSequence);
    const auto &calls = fake::state().calls;
    if (calls.size() != powerSequence.size())
        return;
    CHECK((calls[1].args == Args{0x51, 0x20}));
    CHECK(calls[2].text == "<null>|SeShutdownPrivilege");
    // token, disable-all FALSE, buffer length 0, no previous state, a return length of 0
    CHECK((calls[3].args == Args{0x7e, 0, 0, 0, 1, 0}));
    const std::vector<unsigned char> expected{
        0x01, 0x00, 0x00, 0x00,                         // one privilege
        0xef, 0xcd, 0xab, 0x89, 0x67, 0x45, 0x23, 0x01, // the identifier, low part first
        0x03, 0x00, 0x00, 0x80,                         // its attributes
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    CHECK(calls[3].bytes == expected);
    CHECK((calls[4].args == Args{12, 0xFFFFFFFFu}));
}

void powerFlags()
{
    using Routine = bool (*)(const win32::Win32Api &, int);
    struct Row
    {
        const char *name;
        Routine routine;
        int check1;
        unsigned flags;
    };
    const Row rows[] = {
        {"LogOffUser", &win32::LogOffUser, 0, 0},
        {"LogOffUser", &win32::LogOffUser, 1, 4},
        {"LogOffUser", &win32::LogOffUser, 2, 0},
        {"TurnOffComputer", &win32::TurnOffComputer, 0, 8},
        {"TurnOffComputer", &win32::TurnOffComputer, 1, 12},
        {"TurnOffComputer", &win32::TurnOffComputer, 2, 8},
        {"RestartComputer", &win32::RestartComputer, 0, 2},
        {"RestartComputer", &win32::RestartComputer, 1, 6},
        {"RestartComputer", &win32::RestartComputer, 2, 2},
    };
    for (const Row &row : rows) {
        begin(std::string("power flags: ") + row.name + " with Check1 " +
              std::to_string(row.check1));
        CHECK(row.routine(fake::api(), row.check1));
        CHECK(fake::callNames() == powerSequence);
        const fake::Call *exit = lastCall("ExitWindowsEx");
        CHECK(exit && (exit->args == Args{row.flags, 0xFFFFFFFFu}));
    }
}

void powerGoesOnAfterFailedSteps()
{
    struct Row
    {
        const char *name;
        BOOL open, lookup, adjust;
    };
    const Row rows[] = {{"token not opened", 0, 1, 1},
                        {"privilege name unknown", 1, 0, 1},
                        {"privilege not granted", 1, 1, 0},
                        {"every step failed", 0, 0, 0}};
    for (const Row &row : rows) {
        begin(std::string("power: ") + row.name);
        fake::state().openProcessTokenResult = row.open;
        fake::state().lookupResult = row.lookup;
        fake::state().adjustResult = row.adjust;
        CHECK(win32::TurnOffComputer(fake::api(), 1));
        CHECK(fake::callNames() == powerSequence);
        const fake::Call *exit = lastCall("ExitWindowsEx");
        CHECK(exit && (exit->args == Args{12, 0xFFFFFFFFu}));
        const fake::Call *adjust = lastCall("AdjustTokenPrivileges");
        // No token was handed out: the adjustment gets none, and fails by itself.
        if (!row.open)
            CHECK(adjust && adjust->args.at(0) == 0);
    }
}

void powerResult()
{
    const BOOL answers[] = {0, 1, 7};
    for (BOOL answer : answers) {
        begin("power: ExitWindowsEx answers " + std::to_string(answer));
        fake::state().exitResult = answer;
        CHECK(win32::RestartComputer(fake::api(), 0) == (answer != 0));
    }
}

// ---- web pages ------------------------------------------------------------------------

void webOpen()
{
    const INT_PTR results[] = {0, 2, 31, 32, 33, 42};
    const HWND owner = reinterpret_cast<HWND>(std::uintptr_t{0x4242});
    const char *address = "https://brannock.example/index.php?ref=Orvanta";
    for (INT_PTR result : results) {
        begin("web: the shell answers " + std::to_string(result));
        fake::state().shellResult = result;
        const int answer = win32::shellOpenAddress(fake::api(), owner, address);
        CHECK(answer == result);
        CHECK(win32::shellOpenSucceeded(answer) == (result >= 33));
        CHECK(fake::callNames() == Names{"ShellExecuteA"});
        const fake::Call *call = lastCall("ShellExecuteA");
        CHECK(call && (call->args == Args{0x4242, 0}));
        CHECK(call && call->text == std::string("open|") + address + "|<null>|<null>");
    }
}

// ---- the caption animation ------------------------------------------------------------

constexpr std::uintptr_t MainWindow = 0x900;
constexpr std::uintptr_t Taskbar = 0x100;
constexpr RECT WindowRect{300, 200, 700, 500};
constexpr RECT TrayRect{1700, 1040, 1900, 1080};

void taskbarWith(const std::vector<fake::Window> &children)
{
    auto &windows = fake::state().windows;
    windows = {{MainWindow, 0, "Qt640QWindowIcon", WindowRect},
               {Taskbar, 0, "Shell_TrayWnd", {0, 1040, 1920, 1080}}};
    windows.insert(windows.end(), children.begin(), children.end());
}

Args drawArgs(const RECT &from, const RECT &to)
{
    auto n = [](LONG value) { return static_cast<std::uintptr_t>(value); };
    return {MainWindow,     3,          n(from.left), n(from.top), n(from.right),
            n(from.bottom), n(to.left), n(to.top),    n(to.right), n(to.bottom)};
}

void trayAnimationDirections()
{
    const std::vector<fake::Window> children{{0x101, Taskbar, "Start", {}},
                                             {0x102, Taskbar, "xTrayNotifyWndy", TrayRect}};
    for (int direction : {0, 1}) {
        begin("tray animation: direction " + std::to_string(direction));
        taskbarWith(children);
        win32::AnimateTray(fake::api(), direction, reinterpret_cast<HWND>(MainWindow));
        CHECK((fake::callNames() == Names{"FindWindowA", "GetWindow", "GetClassNameA", "GetWindow",
                                          "GetClassNameA", "GetWindowRect", "GetWindowRect",
                                          "DrawAnimatedRects"}));
        const auto &calls = fake::state().calls;
        if (calls.size() != 8)
            continue;
        CHECK(calls[0].text == "Shell_TrayWnd|<null>");
        CHECK((calls[1].args == Args{Taskbar, 5}));
        CHECK((calls[2].args == Args{0x101, 255}));
        CHECK((calls[3].args == Args{0x101, 2}));
        CHECK((calls[4].args == Args{0x102, 255}));
        CHECK((calls[5].args == Args{MainWindow}));
        CHECK((calls[6].args == Args{0x102}));
        CHECK(calls[7].args ==
              (direction == 0 ? drawArgs(TrayRect, WindowRect) : drawArgs(WindowRect, TrayRect)));
    }
    for (int direction : {2, -1}) {
        begin("tray animation: direction " + std::to_string(direction));
        taskbarWith(children);
        win32::AnimateTray(fake::api(), direction, reinterpret_cast<HWND>(MainWindow));
        CHECK(fake::state().calls.empty());
    }
}

void trayAnimationWithoutNotificationArea()
{
    struct Row
    {
        const char *name;
        bool taskbar;
        std::vector<fake::Window> children;
    };
    const std::string cut(242, 'x'); // pushes the name past the 254 characters read
    const std::vector<Row> rows{
        {"no taskbar", false, {}},
        {"letter case", true, {{0x101, Taskbar, "traynotifywnd", TrayRect}}},
        {"grandchild only",
         true,
         {{0x101, Taskbar, "ReBarWindow32", {}}, {0x201, 0x101, "TrayNotifyWnd", TrayRect}}},
        {"name beyond the buffer", true, {{0x101, Taskbar, cut + "TrayNotifyWnd", TrayRect}}},
    };
    for (const Row &row : rows) {
        begin(std::string("tray animation: ") + row.name);
        if (row.taskbar)
            taskbarWith(row.children);
        win32::AnimateTray(fake::api(), 1, reinterpret_cast<HWND>(MainWindow));
        CHECK(lastCall("DrawAnimatedRects") == nullptr);
        CHECK(lastCall("GetWindowRect") == nullptr);
        for (const fake::Call &call : fake::state().calls)
            if (call.name == "GetClassNameA")
                CHECK(call.args.at(0) == 0x101 && call.args.at(1) == 255);
    }

    begin("tray animation: name ending at the buffer's last character");
    taskbarWith({{0x101, Taskbar, std::string(241, 'x') + "TrayNotifyWnd", TrayRect}});
    win32::AnimateTray(fake::api(), 1, reinterpret_cast<HWND>(MainWindow));
    const fake::Call *draw = lastCall("DrawAnimatedRects");
    CHECK(draw && draw->args == drawArgs(WindowRect, TrayRect));
}

// ---- the notification-area icon --------------------------------------------------------

void trayIconRecord()
{
    begin("tray icon: the record, added and deleted");
    const HWND window = reinterpret_cast<HWND>(std::uintptr_t{0x777});
    const HICON icon = reinterpret_cast<HICON>(std::uintptr_t{0x888});
    NOTIFYICONDATAA record = win32::makeTrayIconRecord(window, icon);
    CHECK(record.cbSize == sizeof(NOTIFYICONDATAA));
    CHECK(record.hWnd == window);
    CHECK(record.uID == 1);
    CHECK(record.uFlags == 7);
    CHECK(record.uCallbackMessage == 0x200);
    CHECK(record.hIcon == icon);
    const std::string tip = std::string("Carrowmelden") + '\0' + std::string(51, ' ');
    CHECK(std::string(record.szTip, 64) == tip);

    const std::vector<unsigned char> bytes(reinterpret_cast<const unsigned char *>(&record),
                                           reinterpret_cast<const unsigned char *>(&record) +
                                               sizeof record);
    win32::addTrayIcon(fake::api(), record);
    win32::deleteTrayIcon(fake::api(), record);
    const auto &calls = fake::state().calls;
    CHECK((fake::callNames() == Names{"Shell_NotifyIconA", "Shell_NotifyIconA"}));
    if (calls.size() == 2) {
        CHECK((calls[0].args == Args{0}));
        CHECK((calls[1].args == Args{2}));
        CHECK(calls[0].bytes == bytes);
        CHECK(calls[1].bytes == bytes);
    }

    begin("tray icon: a tip longer than its field");
    const std::string longTip(80, 'T');
    win32::TrayIconFields fields;
    fields.tip = longTip.c_str();
    record = win32::makeTrayIconRecord(window, icon, fields);
    CHECK(std::string(record.szTip, 64) == std::string(63, 'T') + '\0');
}

void trayNotifications()
{
    struct Row
    {
        UINT message;
        win32::TrayGesture gesture;
    };
    const Row rows[] = {{0x203, win32::TrayGesture::Restore}, {0x205, win32::TrayGesture::Menu},
                        {0x200, win32::TrayGesture::None},    {0x201, win32::TrayGesture::None},
                        {0x202, win32::TrayGesture::None},    {0x204, win32::TrayGesture::None},
                        {0x206, win32::TrayGesture::None},    {0, win32::TrayGesture::None}};
    const HWND mainWindow = reinterpret_cast<HWND>(MainWindow);
    for (const Row &row : rows) {
        begin("tray icon: mouse message " + std::to_string(row.message));
        CHECK(win32::onTrayNotification(fake::api(), mainWindow, row.message) == row.gesture);
        if (row.gesture == win32::TrayGesture::Menu) {
            CHECK(fake::callNames() == Names{"SetForegroundWindow"});
            CHECK(!fake::state().calls.empty() &&
                  fake::state().calls.front().args == Args{MainWindow});
        } else {
            CHECK(fake::state().calls.empty());
        }
    }
}

} // namespace

#ifdef ORVANTA_CHECK_RESOURCES
void checkResources(void (*check)(bool, const char *, int), std::string &context);
#endif

int main()
{
    powerCallsInOrder();
    powerFlags();
    powerGoesOnAfterFailedSteps();
    powerResult();
    webOpen();
    trayAnimationDirections();
    trayAnimationWithoutNotificationArea();
    trayIconRecord();
    trayNotifications();
#ifdef ORVANTA_CHECK_RESOURCES
    checkResources(&expect, g_case);
#endif
    std::printf("%d checks, %d failed (NOTIFYICONDATAA is %u bytes in this build)\n", g_checks,
                g_failures, static_cast<unsigned>(sizeof(NOTIFYICONDATAA)));
    return g_failures == 0 ? 0 : 1;
}
