#include "DesignLayout.h"

#include <QWidget>

namespace DesignLayout {

void apply(QWidget &window, std::span<const DesignPlace> places, double logicalDpi) {
    QWidget *previous = nullptr;
    for (const DesignPlace &place : places) {
        const QString name =
            QString::fromLatin1(place.name.data(), static_cast<qsizetype>(place.name.size()));
        auto *control = window.findChild<QWidget *>(name);
        if (!control)
            qFatal("The layout of %s names no control of it: %s", window.metaObject()->className(),
                   qPrintable(name));
        control->setGeometry(Twips::toPixels(place.rect, logicalDpi));
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace DesignLayout
