#pragma once

#include <QDialog>

// The About window. Filled in with the About box.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner);
};
