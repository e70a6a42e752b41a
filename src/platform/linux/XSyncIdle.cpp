#include "core/IdleSource.h"
#include "platform/linux/IdleParts.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>

#include <xcb/sync.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t *toolkitX11()
{
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

qint64 fromX(xcb_sync_int64_t value)
{
    return qint64((quint64(quint32(value.hi)) << 32) | value.lo);
}

xcb_sync_int64_t toX(qint64 value)
{
    return {qint32(quint64(value) >> 32), quint32(quint64(value) & 0xffffffffu)};
}

// Alarms on the X server's IDLETIME counter: one when the idleness reaches the span, one
// when it falls below what was last told (input). The server wakes us for either; between
// them nothing is asked.
class XSyncIdleSource final : public IdleSource, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit XSyncIdleSource(quint32 counter) : m_x11(toolkitX11()), m_counter(counter)
    {
        const xcb_query_extension_reply_t *sync = xcb_get_extension_data(m_x11, &xcb_sync_id);
        m_alarmNotify = quint8(sync->first_event + XCB_SYNC_ALARM_NOTIFY);
        qGuiApp->installNativeEventFilter(this);
    }
    ~XSyncIdleSource() override { stop(); }

    void start(qint64 spanMs) override
    {
        stop();
        m_spanMs = qMax<qint64>(spanMs, 1);
        const quint64 generation = m_generation;
        // Nothing is said from inside start().
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == m_generation)
                    begin();
            },
            Qt::QueuedConnection);
    }

    void stop() override
    {
        ++m_generation;
        m_told = false;
        for (xcb_sync_alarm_t *alarm : {&m_idleAlarm, &m_inputAlarm}) {
            if (*alarm)
                xcb_sync_destroy_alarm(m_x11, *alarm);
            *alarm = 0;
        }
        xcb_flush(m_x11);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & 0x7f) != m_alarmNotify)
            return false;
        const auto *notify = reinterpret_cast<const xcb_sync_alarm_notify_event_t *>(event);
        if (notify->state == XCB_SYNC_ALARMSTATE_DESTROYED ||
            (notify->alarm != m_idleAlarm && notify->alarm != m_inputAlarm))
            return false;
        // Answered from the event loop, not from inside the toolkit's handling of X events.
        QMetaObject::invokeMethod(
            this,
            [this, generation = m_generation, alarm = notify->alarm,
             value = fromX(notify->counter_value)] {
                if (generation == m_generation)
                    onAlarm(alarm, value);
            },
            Qt::QueuedConnection);
        return true;
    }

private:
    void begin()
    {
        xcb_sync_query_counter_reply_t *reply =
            xcb_sync_query_counter_reply(m_x11, xcb_sync_query_counter(m_x11, m_counter), nullptr);
        if (!reply) {
            emit failed(tr("The X server no longer tells how long nobody has used the computer."));
            return;
        }
        const qint64 idle = fromX(reply->counter_value);
        std::free(reply);
        arm(m_idleAlarm, XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON, m_spanMs);
        if (idle >= IdleReportFromMs)
            tellIdle(idle);
    }

    void onAlarm(xcb_sync_alarm_t alarm, qint64 idle)
    {
        if (alarm == m_idleAlarm) {
            tellIdle(idle);
        } else if (alarm == m_inputAlarm && m_told) {
            m_told = false;
            arm(m_idleAlarm, XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON, m_spanMs);
            emit inUse();
        }
    }

    void tellIdle(qint64 ms)
    {
        m_told = true;
        // A comparison, not a transition: input between the reading and this alarm makes it
        // true at once, and the server says so.
        arm(m_inputAlarm, XCB_SYNC_TESTTYPE_NEGATIVE_COMPARISON, qMax<qint64>(ms - 1, 0));
        emit idleFor(ms);
    }

    // An alarm fires once (no delta) and is set again here.
    void arm(xcb_sync_alarm_t &alarm, xcb_sync_testtype_t test, qint64 value)
    {
        const uint32_t mask = XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE |
                              XCB_SYNC_CA_TEST_TYPE | XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS;
        if (!alarm) {
            alarm = xcb_generate_id(m_x11);
            const xcb_sync_create_alarm_value_list_t values{
                m_counter, XCB_SYNC_VALUETYPE_ABSOLUTE, toX(value), uint32_t(test), toX(0), 1};
            xcb_sync_create_alarm_aux(m_x11, alarm, mask, &values);
        } else {
            const xcb_sync_change_alarm_value_list_t values{
                m_counter, XCB_SYNC_VALUETYPE_ABSOLUTE, toX(value), uint32_t(test), toX(0), 1};
            xcb_sync_change_alarm_aux(m_x11, alarm, mask, &values);
        }
        xcb_flush(m_x11);
    }

    xcb_connection_t *const m_x11;
    const xcb_sync_counter_t m_counter;
    quint8 m_alarmNotify = 0;
    qint64 m_spanMs = 0;
    quint64 m_generation = 0;
    xcb_sync_alarm_t m_idleAlarm = 0;
    xcb_sync_alarm_t m_inputAlarm = 0;
    // An idleFor() was said and no inUse() since.
    bool m_told = false;
};

bool isXWayland(xcb_connection_t *x11)
{
    // Servers since Xwayland 23.1 say so; a Wayland session says it otherwise.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const char name[] = "XWAYLAND";
    xcb_query_extension_reply_t *reply =
        xcb_query_extension_reply(x11, xcb_query_extension(x11, sizeof name - 1, name), nullptr);
    const bool xwayland = reply && reply->present;
    std::free(reply);
    return xwayland;
}

} // namespace

quint32 findXSyncIdleCounter()
{
    xcb_connection_t *x11 = toolkitX11();
    if (!x11)
        return 0;
    const xcb_query_extension_reply_t *sync = xcb_get_extension_data(x11, &xcb_sync_id);
    if (!sync || !sync->present || isXWayland(x11))
        return 0;
    xcb_sync_list_system_counters_reply_t *reply =
        xcb_sync_list_system_counters_reply(x11, xcb_sync_list_system_counters(x11), nullptr);
    if (!reply)
        return 0;
    // WORKAROUND: libxcb's iterator over the counters takes each name to begin 2 bytes late
    // (its struct is padded, the wire is not): read as the protocol lays them out, each a
    // counter (4 bytes), a resolution (8), the name's length (2) and the name, padded to 4.
    quint32 counter = 0;
    const auto *entry = reinterpret_cast<const uchar *>(reply + 1);
    const auto *end = entry + qsizetype(reply->length) * 4;
    for (quint32 i = 0; i < reply->counters_len && entry + 14 <= end && !counter; ++i) {
        quint16 nameLength = 0;
        std::memcpy(&nameLength, entry + 12, sizeof nameLength);
        if (entry + 14 + nameLength > end)
            break;
        if (QByteArray::fromRawData(reinterpret_cast<const char *>(entry + 14), nameLength) ==
            "IDLETIME")
            std::memcpy(&counter, entry, sizeof counter);
        entry += (14 + nameLength + 3) & ~3;
    }
    std::free(reply);
    return counter;
}

std::unique_ptr<IdleSource> makeXSyncIdleSource(quint32 counter)
{
    return std::make_unique<XSyncIdleSource>(counter);
}

#include "XSyncIdle.moc"
