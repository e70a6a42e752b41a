#pragma once

// Fakes for every seam of the main window, so window tests never reach the platform:
// power requests are recorded, settings live in memory, message boxes are answered at
// once, the clock is set by the test.

#include "schedule/Clock.h"
#include "schedule/PowerRequester.h"
#include "settings/SettingsStore.h"
#include "tray/TrayAnimator.h"
#include "ui/MessageBox.h"
#include "ui/Shutdown.h"
#include "web/WebOpener.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>

class RecordingPower final : public PowerRequester
{
public:
    PowerResult request(const PowerRequest &r) override
    {
        requests.append(r);
        return answer;
    }
    QList<PowerRequest> requests;
    PowerResult answer{true, {}};
};

class MemorySettings final : public SettingsStore
{
public:
    void save(const QString &application, const QString &section, const QString &key,
              const QString &text) override
    {
        writes.append(key);
        values.insert(application + QLatin1Char('/') + section + QLatin1Char('/') + key, text);
    }
    QString get(const QString &application, const QString &section, const QString &key,
                const QString &defaultText) override
    {
        reads.append(key);
        return values.value(application + QLatin1Char('/') + section + QLatin1Char('/') + key,
                            defaultText);
    }
    // Convenience for tests: the "Orvanta"/"Settings" value of a key.
    QString value(const QString &key) const
    {
        return values.value(QStringLiteral("Orvanta/Settings/") + key);
    }
    void set(const QString &key, const QString &text)
    {
        values.insert(QStringLiteral("Orvanta/Settings/") + key, text);
    }
    QHash<QString, QString> values;
    QStringList writes;
    QStringList reads;
};

class RecordingMessages final : public MessageBoxService
{
public:
    void information(QWidget *, const QString &text) override { texts.append(text); }
    QStringList texts;
};

class FakeWebOpener final : public WebOpener
{
public:
    int open(QWidget *, const QString &address) override
    {
        opened.append(address);
        return result;
    }
    QStringList opened;
    int result = 33;
};

class SettableClock final : public Clock
{
public:
    QDateTime now() const override { return wall.addMSecs(elapsed); }
    qint64 monotonicMs() const override { return elapsed; }
    void advance(qint64 ms) { elapsed += ms; }
    QDateTime wall = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0));
    qint64 elapsed = 0;
};

class RecordingAnimator final : public TrayAnimator
{
public:
    void animate(int direction, QWidget *, const QRect &) override { directions.append(direction); }
    QList<int> directions;
};

// Owns one set of fakes and the services struct pointing at them.
struct TestServices
{
    RecordingPower power;
    MemorySettings settings;
    RecordingMessages messages;
    FakeWebOpener web;
    SettableClock clock;
    RecordingAnimator animator;
    bool previousInstance = false;
    int endProcessCalls = 0;

    ShutdownServices services()
    {
        ShutdownServices s;
        s.power = &power;
        s.settings = &settings;
        s.messages = &messages;
        s.web = &web;
        s.clock = &clock;
        s.trayAnimator = &animator;
        s.trayHost = nullptr; // window tests that need a tray set their own
        s.previousInstance = [this] { return previousInstance; };
        s.endProcess = [this] { ++endProcessCalls; };
        return s;
    }
};
