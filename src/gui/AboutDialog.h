#pragma once

#include <QDialog>

class MessageBoxService;
class QLabel;
class QPushButton;
class QTextEdit;
class WebOpener;

// The About window: title, version, developer, the freeware notice and the home page link.
// One instance lives as long as its owner; every opening loads its content afresh.
class AboutDialog final : public QDialog
{
    Q_OBJECT
public:
    // web and messages serve the link; neither is owned.
    AboutDialog(QWidget *owner, WebOpener &web, MessageBoxService &messages);

    // Loads the window and shows it modally over its owner, centred on the screen; returns
    // at once. An About window already open comes forward.
    void showModal();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fills the window afresh: every opening starts from the plain notice.
    void load();
    // Refreshed whenever the window is activated.
    void onActivated();
    void onLinkClicked();
    void setLinkUnderline(bool on);
    // The link's colour from the palette, kept readable on the window's background.
    void applyColours();

    WebOpener &m_web;
    MessageBoxService &m_messages;

    QLabel *m_version = nullptr;
    QTextEdit *m_notice = nullptr;
    QLabel *m_developerCaption = nullptr;
    QLabel *m_link = nullptr;
    QPushButton *m_okButton = nullptr;
};
