// What the Linux waits read of /proc: a process's names; CPUs', whole disks' and network's load.
#include "../Files.h"
#include "core/LoadSampler.h"
#include "platform/linux/ProcFiles.h"
#include "platform/linux/WaitParts.h"

#include <QTemporaryDir>
#include <QTest>

class ProcSourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void names_data()
    {
        QTest::addColumn<QStringList>("row"); // comm|argv, at ","|exe|the name, then aliases
        for (const char *row :
             {"cut at 15|xdg-desktop-por|/xdg-desktop-portal||xdg-desktop-portal,xdg-desktop-por",
              "by name|nightly-backup-|sh,nightly-backup-a||nightly-backup-a,sh,nightly-backup-",
              "interpreter|python3|python3,-Wc,-X,m,a/j.py|/python3.11|j.py,python3,python3.11",
              "inline shell|bash|-bash,-lc,make x.sh|/usr/bin/bash|bash",
              "inline perl|perl|perl,-ne,print,a.pl||perl", "title|sshd|sshd: al@pts/0||sshd",
              "renamed|Isolated Web Co|/fx,-contentproc|/fx|Isolated Web Co,fx",
              "upgraded|vi|vi|/vim.basic (deleted)|vi,vim.basic"})
            QTest::newRow(QString(row).section('|', 0, 0).toUtf8()) << QString(row).split('|');
    }
    void names()
    {
        QFETCH(QStringList, row);
        const ProgramNames got = programNames(row[1], row[2].split(','), row[3]);
        QCOMPARE((QStringList{got.name} + got.aliases).join(','), row[4]);
    }
    void load_data()
    {
        QTest::addColumn<QByteArrayList>("files"); // stat, diskstats (null: none), net/dev
        QTest::addColumn<QString>("read"); // busy/total per CPU, then bytes per disk and interface
        QByteArray disks;
        for (const char *disk : {"sda 2", "sda1 1", "sdaa 4", "nvme0n1 8", "nvme0n1p2 1", "dm-1 2",
                                 "dm-10 1", "md0p1 1", "mmcblk0boot0 1", "loop0 1", "zram0 1"})
            disks += " 8 0 " + QByteArray(disk).replace(' ', " 0 0 1 0 0 0 ") + " 0 0 0 0\n";
        // Steal time is neither work nor rest; waiting for a disk is work.
        const QByteArray stat = "cpu 9 9 9 9 9\ncpu0 1 2 3 4 5 6 7 8 0 0\ncpu1 10 0 0 90 0 0 0 0\n";
        const QByteArray net = "h\nh\n lo: 5 0 0 0 0 0 0 0 5 0 0 0 0 0 0 0\n"
                               "eth0: 1000 0 0 0 0 0 0 0 2000 0 0 0 0 0 0 0\n";
        QTest::newRow("disks") << QByteArrayList{stat, disks, net}
                               << "24/28 10/100 dm-10:1024 dm-1:1536 eth0:3000 md0p1:1024 "
                                  "mmcblk0boot0:1024 nvme0n1:4608 sda:1536 sdaa:2560";
        QTest::newRow("no diskstats") << QByteArrayList{stat, {}, net} << "24/28 10/100 eth0:3000";
        QTest::newRow("no CPU") << QByteArrayList{"cpu 1 1 1 1\n", disks, net} << "unreadable";
    }
    void load()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(QString, read);
        QTemporaryDir root;
        for (const QString name : {"stat", "diskstats", "net/dev"})
            if (const QByteArray text = files.takeFirst(); !text.isNull())
                write(root.filePath(name), text);
        LoadSample sample;
        QString error;
        QStringList got;
        if (!makeProcLoadSampler(root.path())->read(&sample, &error))
            got << (error.contains(root.filePath("stat")) ? "unreadable" : error);
        for (const LoadSample::Cpu &cpu : sample.cpus)
            got << QString("%1/%2").arg(cpu.busy).arg(cpu.total);
        QStringList counters; // in the order of their names
        for (const QHash<QString, quint64> &bytes : {sample.diskBytes, sample.networkBytes})
            for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
                counters << QString("%1:%2").arg(it.key()).arg(it.value());
        counters.sort();
        QCOMPARE((got + counters).join(' '), read);
    }
};

QTEST_GUILESS_MAIN(ProcSourcesTest)
#include "tst_procsources.moc"
