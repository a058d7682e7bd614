#include "platform/QtMessageBox.h"

#include "app/AppIdentity.h"

#include <QMessageBox>

void QtMessageBox::show(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, AppIdentity::title(), text, QMessageBox::Ok, parent);
    box.exec();
}
