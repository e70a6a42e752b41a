#include "ui/frmAbout.h"

frmAbout::frmAbout(QWidget *owner) : QDialog(owner) {}
