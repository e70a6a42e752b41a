#pragma once

#include <QObject>
#include <QString>

#include <vector>

class ArmingController;
class Notifier;

// The arming service's one warning: everything in its warning minute (or with a wait's
// notice) in one text, on the desktop's notification where one with actions answers, else
// the window's (present()). One joining shows it anew, one leaving updates the text: never
// two warnings on top of each other.
class WarningPresenter final : public QObject
{
    Q_OBJECT
public:
    // `notifier` may be null: the window's own warning then.
    WarningPresenter(Notifier *notifier, std::vector<const ArmingController *> controllers);

    // The user's own line shown with a warning (may be empty).
    void setNote(const QString &note) { m_note = note; }
    // The notification's more time caption ("+10 minutes"); empty when it shows nothing
    // that can be moved on.
    QString postponeCaption() const;
    // A controller's warning or notice changed.
    void update();
    // The seconds ran down.
    void tick();

signals:
    void present(const QString &text, const QString &postpone);
    void presentedTextChanged(const QString &text);
    void presentationClosed();

private:
    QString presentedText() const;

    Notifier *m_notifier;
    std::vector<const ArmingController *> m_controllers;
    // The controllers presented now, and whether by the window's own warning.
    std::vector<const ArmingController *> m_presented;
    bool m_presentedByWindow = false;
    QString m_note;
};
