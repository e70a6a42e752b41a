#include "gui/MessageBox.h"

#include "core/AppInfo.h"

#include <QMessageBox>

void QtMessageBoxService::information(QWidget *owner, const QString &text,
                                      std::function<void()> closed)
{
    auto *box =
        new QMessageBox(QMessageBox::NoIcon, AppInfo::title(), text, QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the whole program as before, without a loop of its own.
    box->setWindowModality(Qt::ApplicationModal);
    if (closed)
        QObject::connect(box, &QMessageBox::finished, box, [closed] { closed(); });
    box->show();
}
