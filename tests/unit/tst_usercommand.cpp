// The user's command line, split as each platform's own launchers split one. Both splitters
// are pure and run here; a row's result is the arguments joined by '|', or "!" for a refusal.
#include "core/UserCommand.h"

#include <QTest>

class UserCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void desktopExec_data() { table(); }
    void desktopExec() { check(&CommandSplit::desktopExec); }
    void windows_data() { table(); }
    void windows() { check(&CommandSplit::windows); }

private:
    using Splitter = std::optional<QStringList> (*)(const QString &, QString *);

    // Both columns for every line: what the desktop's rules and Windows' rules make of it.
    static void table()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("windows");
        const auto row = [](const char *line, const char *desktop, const char *windows) {
            QTest::newRow(line) << QString::fromUtf8(line) << QString::fromUtf8(desktop)
                                << QString::fromUtf8(windows);
        };
        row("backup.sh --quiet", "backup.sh|--quiet", "backup.sh|--quiet");
        row("  a \t b  ", "a|b", "a|b");
        row("", "!", "!");
        row(" \t ", "!", "!");
        row("\"/opt/my tools/run\" \"a b\" c", "/opt/my tools/run|a b|c",
            "/opt/my tools/run|a b|c");
        row("a \"\" b", "a||b", "a||b");
        // Inside quotes a backslash escapes only " ` $ and itself on a desktop.
        row("sh -c \"echo \\\"hi\\\" \\$HOME \\\\ \\`x\\`\"", "sh|-c|echo \"hi\" $HOME \\ `x`",
            "sh|-c|echo \"hi\" \\$HOME \\\\ \\`x\\`");
        row("x \"a\\n\"", "!", "x|a\\n");
        // A shell's characters unquoted: refused on a desktop, where only a shell would
        // give them a meaning; Windows hands them to the program (cmd /c redirects).
        row("cmd /c echo hi > file", "!", "cmd|/c|echo|hi|>|file");
        row("~/bin/backup.sh", "!", "~/bin/backup.sh");
        row("x 'a b'", "!", "x|'a|b'");
        row("x \"unclosed", "!", "x|unclosed");
        row("x \"a\"b", "!", "x|ab");
        row("x a\" b\"c", "!", "x|a bc");
        // Windows: the program takes no backslash rules and ends at its closing quote.
        row("\"C:\\dir\\\" b", "!", "C:\\dir\\|b");
        row("\"a\"b c", "!", "a|b|c");
        // Windows: 2n backslashes and a quote give n and quoting; 2n+1 give n and a quote;
        // others are themselves; a quote doubled inside quotes is one.
        row("x a\\\\b", "!", "x|a\\\\b");
        row("x a\\\\\\\"b", "!", "x|a\\\"b");
        row("x \"a\\\\\" b", "x|a\\|b", "x|a\\|b");
        row("x \"a\"\"b\"", "!", "x|a\"b");
    }

    static void check(Splitter split)
    {
        QFETCH(QString, line);
        QFETCH(QString, desktop);
        QFETCH(QString, windows);
        QString error;
        const std::optional<QStringList> arguments = split(line, &error);
        QCOMPARE(arguments ? arguments->join(u'|') : QStringLiteral("!"),
                 split == &CommandSplit::desktopExec ? desktop : windows);
        // A refusal always says why.
        QCOMPARE(error.isEmpty(), arguments.has_value());
    }
};

QTEST_GUILESS_MAIN(UserCommandTest)
#include "tst_usercommand.moc"
