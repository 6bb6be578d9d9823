#include "ClickLabel.h"

#include "KeyRelease.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace {

class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return static_cast<ClickLabel *>(widget())->text();
        return own;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override {
        if (actionName == pressAction())
            static_cast<ClickLabel *>(widget())->click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *clickLabelFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(clickLabelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab only: a click on a link does not move the focus to it.
    setFocusPolicy(Qt::TabFocus);
    // Like a button, the link clicks when Enter or Space is let go, once however long it is held.
    new KeyRelease(*this, KeyRelease::isEnterOrSpace, KeyRelease::Timing::AtOnce,
                   [this] { emit clicked(); });
}

void ClickLabel::click() {
    emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent *event) {
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// Like a button: the click happens on release, and only if the pointer is still on it.
void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool wasPressed = pressed;
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

// The second press of a double click arrives as this event: it starts no second click, as a
// link opens its page once however quickly it is clicked twice.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}

// The keys that click are taken, so no default button sees them.
void ClickLabel::keyPressEvent(QKeyEvent *event) {
    if (KeyRelease::isEnterOrSpace(event->key()))
        event->accept();
    else
        QLabel::keyPressEvent(event);
}

void ClickLabel::keyReleaseEvent(QKeyEvent *event) {
    if (KeyRelease::isEnterOrSpace(event->key()) && !event->isAutoRepeat())
        event->accept();
    else
        QLabel::keyReleaseEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's own focus frame is a faint shade on the windows' teal; a dotted frame in the
    // text's colour shows where the keyboard is.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
