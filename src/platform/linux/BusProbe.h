#pragma once

#include <QString>

#include <functional>

class QObject;

enum class BusAnswer
{
    Answers,     // the daemon took us in, or the bus cannot be knocked at here
    Unreachable, // nothing listens: connecting fails at once
    Silent,      // something accepted and stopped answering: connecting would hang
};

// Knocks at a bus without the toolkit, whose own connecting waits without limit: connects
// to the bus's socket and goes through what the toolkit does when it joins (authentication,
// file-descriptor passing, Hello), at most timeoutMs for all of it. `done` is called once,
// from the event loop, unless context goes first.
void probeBus(const QString &address, int timeoutMs, QObject *context,
              std::function<void(BusAnswer)> done);

// The same, waiting here at most timeoutMs: for the time before the toolkit starts, which
// itself joins the session bus at once and would wait without limit.
BusAnswer probeBusNow(const QString &address, int timeoutMs);

QString systemBusAddress();
// Empty when the session bus can only be found by starting one.
QString sessionBusAddress();
