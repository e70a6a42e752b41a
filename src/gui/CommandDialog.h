#pragma once

#include "core/UserCommand.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// File > Command: the user's own command line, run as the action "Run a command" and, where
// ticked, before every other action, with its time limit and what a failure or the limit
// means for the action. OK takes the choices only when the line can be run (`check` says
// why not).
class CommandDialog final : public QDialog
{
    Q_OBJECT
public:
    using Check = std::function<QString(const QString &line)>;

    CommandDialog(const CommandChoices &choices, const QString &logPath, Check check,
                  QWidget *parent);

    CommandChoices choices() const;

signals:
    void chosen(const CommandChoices &choices);

private:
    void onAccepted();
    void updateEnabled();

    Check m_check;
    int m_limitSeconds; // as stored: kept unless the minutes are changed
    QLineEdit *m_line;
    QCheckBox *m_before;
    QSpinBox *m_limit;
    QComboBox *m_atLimit;
    QCheckBox *m_onFailure;
    QLabel *m_problem;
};
