// The Run value against wine's real registry, read back with reg.exe: the quoted command of a
// path with spaces, another copy of the program taking it over, the user's choice in the
// startup settings kept, and only our value removed.
#include "platform/windows/RunAutostart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>

namespace {

const QString Run = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const QString Approved =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
int g_failures = 0;

void check(bool ok, const QString &what)
{
    g_failures += !ok;
    if (!ok)
        std::printf("FAIL: %s\n", qPrintable(what));
}

// reg.exe's exit status and output.
std::pair<int, QString> reg(const QStringList &arguments)
{
    QProcess process;
    process.start("reg", arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

// The Run value "Orvanta" as reg.exe shows it, or empty when it is missing.
QString shown()
{
    const auto [status, output] = reg({"query", Run, "/v", "Orvanta"});
    const auto match = QRegularExpression("\\n\\s*Orvanta\\s+REG_SZ\\s+([^\\r\\n]*)").match(output);
    return status == 0 && match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    RunAutostart installed("C:/Program Files/Orvanta Test/orvanta.exe");
    RunAutostart portable("D:/Tools/orvanta.exe");
    QString error;
    reg({"add", Run, "/v", "OrvantaNeighbour", "/d", "C:\\missing.exe", "/f"});
    reg({"delete", Approved, "/v", "Orvanta", "/f"});
    check(installed.setEnabled(false, &error) && !installed.isEnabled(), "starts clean");

    check(installed.setEnabled(true, &error), "enabled: " + error);
    check(shown() == "\"C:\\Program Files\\Orvanta Test\\orvanta.exe\" --autostart",
          "the quoted command: " + shown());
    check(installed.isEnabled() && !portable.isEnabled(), "enabled for its own path only");
    check(installed.location() == Run + "\\Orvanta", installed.location());

    // Another copy takes the value over; the first copy's no longer starts.
    check(portable.setEnabled(true, &error) && shown() == "\"D:\\Tools\\orvanta.exe\" --autostart",
          "taken over: " + shown());
    check(!installed.isEnabled(), "the first copy is off");

    // Turned off by the user in Task Manager: the command is kept up to date, the choice kept.
    reg({"add", Approved, "/v", "Orvanta", "/t", "REG_BINARY", "/d", "030000000000000000000000",
         "/f"});
    error.clear();
    check(!installed.setEnabled(true, &error) && error.contains("Task Manager"),
          "the user's choice is reported: " + error);
    check(shown().startsWith("\"C:\\Program Files\\") && !installed.isEnabled(),
          "written, still off: " + shown());
    reg({"add", Approved, "/v", "Orvanta", "/t", "REG_BINARY", "/d", "020000000000000000000000",
         "/f"});
    check(installed.isEnabled(), "on again in Task Manager");
    reg({"delete", Approved, "/v", "Orvanta", "/f"});

    check(installed.setEnabled(false, &error) && shown().isEmpty(), "removed");
    check(installed.setEnabled(false, &error), "removing nothing is fine");
    check(reg({"query", Run, "/v", "OrvantaNeighbour"}).first == 0, "the neighbour stays");
    reg({"delete", Run, "/v", "OrvantaNeighbour", "/f"});

    if (g_failures)
        return 1;
    std::printf("all passed\n");
    return 0;
}
