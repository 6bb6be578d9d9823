#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Exclamation:
        return QMessageBox::Warning;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::show(QWidget *parent, const QString &text, const QString &title,
                          BoxIcon icon) {
    QMessageBox box(toQt(icon), title.isEmpty() ? QStringLiteral("Angulor") : title, text,
                    QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}
