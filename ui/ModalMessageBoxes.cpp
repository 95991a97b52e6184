#include "ModalMessageBoxes.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace kuvel::ui {

void ModalMessageBoxes::show(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace kuvel::ui
