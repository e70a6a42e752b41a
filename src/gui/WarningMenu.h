#pragma once

#include <QMenu>

class QActionGroup;

// The File menu's "Warning before the action": how long before it comes (a few minutes, or
// none), and "Sound and own text…", a small dialog for the desktop's sound and a line of
// the user's own shown in the warning. Saved with the window's settings; every change is
// reported by changed() and applies at once.
class WarningMenu final : public QMenu
{
    Q_OBJECT
public:
    explicit WarningMenu(QWidget *parent);

    int leadMinutes() const { return m_leadMinutes; }
    bool sound() const { return m_sound; }
    const QString &note() const { return m_note; }
    // Shows the choices as loaded; says nothing.
    void setChoices(int leadMinutes, bool sound, const QString &note);

signals:
    void changed();

private:
    void editSoundAndNote();

    QActionGroup *m_leads;
    int m_leadMinutes = 1;
    bool m_sound = false;
    QString m_note;
};
