#pragma once

#include <QLabel>

// A label that acts as a link: a pointing hand over it, a click on release inside it, and
// a press action in the accessible tree so that it can be reached without a mouse.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};
