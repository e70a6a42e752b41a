#include "core/PowerChain.h"

namespace PowerChain {

namespace {

QString describeArg(const Arg &arg)
{
    switch (arg.type) {
    case Arg::Type::Bool:
        return arg.value ? QStringLiteral("true") : QStringLiteral("false");
    case Arg::Type::UInt64:
        // flags
        return QStringLiteral("0x%1").arg(arg.value, 0, 16);
    case Arg::Type::UInt32:
    case Arg::Type::Int32:
        break;
    }
    return QString::number(arg.value);
}

} // namespace

QString describe(const Step &step)
{
    QStringList args;
    for (const Arg &arg : step.args)
        args << describeArg(arg);
    return QStringLiteral("%1 %2(%3)")
        .arg(step.service, step.method, args.join(QStringLiteral(", ")));
}

QList<SessionManager> sessionManagerOrder(const QString &xdgCurrentDesktop)
{
    QList<SessionManager> order;
    const auto add = [&order](SessionManager manager) {
        if (!order.contains(manager))
            order << manager;
    };
    const auto entries = xdgCurrentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &raw : entries) {
        const QString entry = raw.trimmed().toUpper();
        if (entry == QLatin1String("KDE"))
            add(SessionManager::Kde);
        // Cinnamon and Budgie run GNOME's session manager interface.
        else if (entry == QLatin1String("GNOME") || entry == QLatin1String("X-CINNAMON") ||
                 entry == QLatin1String("CINNAMON") || entry == QLatin1String("BUDGIE"))
            add(SessionManager::Gnome);
        else if (entry == QLatin1String("MATE"))
            add(SessionManager::Mate);
        else if (entry == QLatin1String("XFCE"))
            add(SessionManager::Xfce);
        else if (entry == QLatin1String("LXQT"))
            add(SessionManager::Lxqt);
    }
    for (SessionManager manager : {SessionManager::Kde, SessionManager::Gnome, SessionManager::Mate,
                                   SessionManager::Xfce, SessionManager::Lxqt})
        add(manager);
    return order;
}

Run::Run(QList<Step> steps, Refusal whenNothingAnswers)
    : m_steps(std::move(steps)), m_whenNothingAnswers(whenNothingAnswers)
{
    if (m_steps.isEmpty())
        refuse(m_whenNothingAnswers, QString());
}

const Step *Run::next() const
{
    return m_done ? nullptr : &m_steps.at(m_next);
}

void Run::refuse(Refusal refusal, const QString &detail)
{
    if (m_trail.isEmpty())
        m_trail << QStringLiteral("nothing to call");
    m_result = {false, m_trail.join(QStringLiteral("; ")), refusal, detail};
    m_done = true;
}

bool Run::answer(const Reply &reply)
{
    // After the end only the unanswered call's own word counts, however late it comes.
    const bool late = m_done;
    if (late && !m_result.unanswered)
        return false;
    const Step &step = m_steps.at(m_next);
    const QString name = describe(step);
    switch (reply.kind) {
    case Reply::Kind::Reply:
        if (!step.query) {
            m_result = {true, QString(), Refusal::Other, QString()};
            m_done = true;
            break;
        }
        m_trail << name + QStringLiteral(": ") + reply.text;
        if (reply.text == QLatin1String("no") || reply.text == QLatin1String("na"))
            refuse(Refusal::NotPossible, QString());
        break;
    case Reply::Kind::Silence:
        if (late) {
            // Its long wait ran out too: nothing ended the session.
            m_trail << name + QStringLiteral(": still no reply");
            refuse(Refusal::NotConfirmed, QString());
            break;
        }
        m_trail << name + QStringLiteral(": no reply") +
                       (reply.errorName.isEmpty() ? QString()
                                                  : QStringLiteral(" (%1)").arg(reply.errorName));
        if (step.query) {
            refuse(Refusal::NoAnswer, QString());
            break;
        }
        // Not refused: the request went out and may still be carried out.
        m_result = {};
        m_result.error = m_trail.join(QStringLiteral("; "));
        m_result.unanswered = true;
        m_done = true;
        break;
    case Reply::Kind::Error:
        if (!late && step.moveOnErrors.contains(reply.errorName)) {
            m_trail << name + QStringLiteral(": ") + reply.errorName;
            break;
        }
        // The answer that ends the chain carries its message too.
        m_trail << name + QStringLiteral(": ") + reply.errorName +
                       (reply.text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reply.text));
        refuse(reply.refusal, reply.text);
        break;
    }
    if (!m_done && ++m_next == m_steps.size())
        refuse(m_whenNothingAnswers, QString());
    return true;
}

Refusal whenNothingAnswers(Action action, bool force)
{
    return action == Action::LogOff && !force ? Refusal::NoSessionManager : Refusal::NoService;
}

} // namespace PowerChain
