// The schedules as the user meets them: made in the Schedules window, their entry with the
// session following whether any is on, the list and its changes from a command line, and
// an occurrence reaching the power seam. Every seam is a fake.
#include "../ManualClock.h"
#include "../MemoryStore.h"
#include "core/ArmingService.h"
#include "core/Autostart.h"
#include "gui/MessageBox.h"
#include "gui/ScheduleHost.h"
#include "gui/SchedulesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTimeEdit>

namespace {

struct Fakes final : MemoryStore, Autostart, MessageBoxService, PowerRequester
{
    QString location() const override { return MemoryStore::location(); }
    bool isEnabled() const override { return started; }
    bool setEnabled(bool enabled, QString *) override { return (started = enabled), true; }
    void information(QWidget *, const QString &text, std::function<void()>) override
    {
        messages << text;
    }
    void request(Action action, bool force, Done) override { requests << qMakePair(action, force); }
    void probe(Probed probed) override { probed(capabilities); }

    bool started = false;
    QStringList messages;
    QList<QPair<Action, bool>> requests;
    Capabilities capabilities{};
};

} // namespace

class SchedulesTest : public QObject
{
    Q_OBJECT
private slots:
    void madeInTheWindowCarriedOutOnTime()
    {
        Fakes fakes;
        ManualClock clock; // Monday 2026-12-07 14:29:50
        QWidget window;
        fakes.capabilities[std::size_t(Action::Hibernate)] = {false, "Hibernation is turned off"};
        ArmingService service({&clock, &fakes, nullptr, &fakes, &fakes, nullptr});
        ScheduleHost host(window, service, fakes);
        service.probeCapabilities();
        service.loadSchedules();
        QVERIFY(service.schedulesToolTip().isEmpty() && !fakes.started);
        const auto apply = [&service](const ScheduleEdit &edit) {
            Command command;
            command.schedules = edit;
            return service.apply(command);
        };
        const CommandOutcome hibernate =
            apply({ScheduleEdit::Kind::Add, "daily 7:00", Action::Hibernate, false, 0});
        QCOMPARE(hibernate.text, QStringLiteral("Hibernation is turned off"));
        host.showDialog();
        auto *dialog = window.findChild<SchedulesDialog *>();
        dialog->findChildren<QPushButton *>().at(0)->click(); // Add…
        auto *editor = dialog->findChild<ScheduleEditor *>();
        auto *actions =
            qobject_cast<QStandardItemModel *>(editor->findChild<QComboBox *>()->model());
        QVERIFY(!actions->item(int(Action::Hibernate))->isEnabled());
        auto *buttons = editor->findChild<QDialogButtonBox *>();
        QVERIFY(!buttons->button(QDialogButtonBox::Ok)->isEnabled()); // no day yet
        editor->findChildren<QPushButton *>()[1]->click();            // Monday to Friday
        editor->findChild<QTimeEdit *>()->setTime(QTime(14, 31));
        buttons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(fakes.values.value("Schedule1"), QStringLiteral("mon-fri 14:31|1|0|on"));
        QVERIFY(fakes.started);
        QCOMPARE(service.schedulesToolTip(),
                 QStringLiteral("Next: Monday 14:31 — Turn off computer"));
        QVERIFY(!host.statusLabel()->isHidden());
        QCOMPARE(host.statusLabel()->text(), QStringLiteral("Next: Mon 14:31"));

        // Switched off from the list: nothing starts with the session any more.
        dialog->findChild<QListWidget *>()->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!fakes.started && service.schedulesToolTip().isEmpty() &&
                host.statusLabel()->isHidden());
        QCOMPARE(apply({ScheduleEdit::Kind::On, {}, Action::PowerOff, false, 1}).kind,
                 CommandOutcome::Kind::Applied);
        QVERIFY(fakes.started);
        const CommandOutcome bad =
            apply({ScheduleEdit::Kind::Add, "someday 25:00", Action::Sleep, false, 0});
        QVERIFY(bad.kind == CommandOutcome::Kind::Refused && !bad.text.isEmpty());
        QCOMPARE(apply({ScheduleEdit::Kind::List, {}, Action::PowerOff, false, 0}).text,
                 QStringLiteral(" 1  on   Monday to Friday 14:31 — Turn off computer\n"
                                "Next: Monday 14:31 — Turn off computer"));

        // An edit names its schedule: one removed by a script while the editor was open is
        // never saved over another.
        for (const char *rule : {"sun 20:00", "sat 9:00"})
            QCOMPARE(apply({ScheduleEdit::Kind::Add, rule, Action::Sleep, false, 0}).kind,
                     CommandOutcome::Kind::Applied);
        dialog->findChild<QListWidget *>()->setCurrentRow(1);
        dialog->findChildren<QPushButton *>().at(1)->click(); // Edit…
        auto *late = dialog->findChildren<ScheduleEditor *>().last();
        QCOMPARE(apply({ScheduleEdit::Kind::Remove, {}, Action::PowerOff, false, 2}).kind,
                 CommandOutcome::Kind::Applied);
        late->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(fakes.messages.last(), QStringLiteral("This schedule was removed meanwhile."));
        QCOMPARE(fakes.values.value("Schedule1"), QStringLiteral("mon-fri 14:31|1|0|on"));
        QVERIFY(fakes.values.value("Schedule2").isEmpty());
        QCOMPARE(fakes.values.value("Schedule3"), QStringLiteral("sat 09:00|3|0|on"));

        // The schedule made here reaches the power seam, unforced as made. (Its warning
        // minute and moment: tst_schedulerules runner, tst_arming doors; the warning window
        // showing what the service presents: tst_mainwindow.)
        clock.advance(71 * 1000);
        QCOMPARE(fakes.requests, (QList<QPair<Action, bool>>{{Action::PowerOff, false}}));
    }
};

QTEST_MAIN(SchedulesTest)
#include "tst_schedules.moc"
