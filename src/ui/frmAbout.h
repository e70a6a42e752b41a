#pragma once

#include <QDialog>

class MessageBoxService;
class QLabel;
class QPushButton;
class QTextEdit;
class WebOpener;

// The About window: title, version, developer, the freeware notice and the home page link.
// One instance lives as long as its owner; every opening loads its content afresh.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    // web and messages serve the link; neither is owned.
    frmAbout(QWidget *owner, WebOpener *web, MessageBoxService *messages);

    // Loads the window and shows it modally over its owner, centred on the screen; returns
    // when it has been closed.
    void showModal();

    void Form_Load();
    void Form_Activate();
    void cmdOK_Click();
    void Label3_MouseMove();
    void Label3_Click();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLinkUnderline(bool on);

    WebOpener *m_web;
    MessageBoxService *m_messages;

    QLabel *imgLogo[2] = {};
    QLabel *Label4 = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *MinVersion = nullptr;
    QLabel *Label2 = nullptr;
    QTextEdit *RichTextBox1 = nullptr;
    QLabel *devName = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *cmdOK = nullptr;
};
