#include "core/Condition.h"

#include <QScopedValueRollback>

bool Condition::start(QString *error)
{
    const QScopedValueRollback quietly(m_quietly, true);
    m_holds = false;
    return begin(error);
}

void Condition::setHolds(bool holds, const QString &why)
{
    if (holds == m_holds)
        return;
    m_holds = holds;
    if (m_quietly)
        return;
    if (holds)
        emit met();
    else
        emit lapsed(why);
}
