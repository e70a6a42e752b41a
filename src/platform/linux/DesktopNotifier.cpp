#include "core/AppInfo.h"
#include "core/Notifier.h"
#include "platform/Platform.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString PostponeKey = QStringLiteral("postpone");
const QString CancelKey = QStringLiteral("cancel");

// org.freedesktop.Notifications on the session bus, used only where the server lists the
// "actions" capability: a warning without Postpone and Cancel is left to the program's own
// window.
class DesktopNotifier final : public Notifier
{
public:
    DesktopNotifier() : m_bus(QDBusConnection::sessionBus())
    {
        m_bus.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                      SLOT(onActionInvoked(uint, QString)));
    }

    void show(const QString &text, const QString &postpone, std::function<void(bool)> done) override
    {
        if (!m_bus.isConnected()) {
            done(false);
            return;
        }
        const QPointer<DesktopNotifier> self(this);
        call(
            QStringLiteral("GetCapabilities"), {},
            [self, text, postpone, done, sound = sound()](const QDBusMessage &caps) {
                if (!self || caps.type() != QDBusMessage::ReplyMessage) {
                    done(false);
                    return;
                }
                // Without actions there would be no Postpone and no Cancel: the program's
                // own warning window says it instead.
                if (!caps.arguments().value(0).toStringList().contains(QStringLiteral("actions"))) {
                    done(false);
                    return;
                }
                QStringList actions;
                if (!postpone.isEmpty())
                    actions = {PostponeKey, postpone};
                actions << CancelKey << Notifier::tr("Cancel");
                // The desktop's own warning sound, by its name in the sound theme: the server
                // plays it as the user set sounds up, or not at all.
                QVariantMap hints;
                if (sound)
                    hints.insert(QStringLiteral("sound-name"), QStringLiteral("dialog-warning"));
                const QVariantList args = {AppInfo::title(),
                                           self->m_id,
                                           AppInfo::applicationId(),
                                           AppInfo::title(),
                                           text,
                                           actions,
                                           hints,
                                           0 /* until closed */};
                self->call(QStringLiteral("Notify"), args, [self, done](const QDBusMessage &reply) {
                    const bool shown = self && reply.type() == QDBusMessage::ReplyMessage;
                    if (shown)
                        self->m_id = reply.arguments().value(0).toUInt();
                    done(shown);
                });
            });
    }

    void close() override
    {
        if (m_id == 0)
            return;
        call(QStringLiteral("CloseNotification"), {m_id}, [](const QDBusMessage &) {});
        m_id = 0;
    }

private:
    Q_OBJECT

    void call(const QString &method, const QVariantList &args,
              std::function<void(const QDBusMessage &)> then)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, method);
        message.setArguments(args);
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, 3000), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [then = std::move(then)](QDBusPendingCallWatcher *finished) {
                    finished->deleteLater();
                    then(finished->reply());
                });
    }

private slots:
    void onActionInvoked(uint id, const QString &key)
    {
        if (id == 0 || id != m_id)
            return;
        m_id = 0;
        if (key == PostponeKey)
            emit postponeRequested();
        else if (key == CancelKey)
            emit cancelRequested();
    }

private:
    QDBusConnection m_bus;
    uint m_id = 0;
};

} // namespace

std::unique_ptr<Notifier> Platform::makeNotifier()
{
    return std::make_unique<DesktopNotifier>();
}

#include "DesktopNotifier.moc"
