#include "gui/MessageBox.h"

#include "core/AppInfo.h"

#include <QMessageBox>

void QtMessageBoxService::information(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, AppInfo::title(), text, QMessageBox::Ok, owner);
    box.exec();
}
