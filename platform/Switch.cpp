#include "platform/Switch.h"

#include <QMouseEvent>
#include <QPainter>

namespace tivrel {

Switch::Switch(const QImage& offPicture, const QImage& onPicture, QWidget* parent)
    : QWidget(parent), offPicture_(offPicture), onPicture_(onPicture) {
    setFocusPolicy(Qt::ClickFocus);
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& picture = on_ ? onPicture_ : offPicture_;
    const QPoint at((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    painter.drawImage(at, picture);
}

void Switch::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    setFocus(Qt::MouseFocusReason);
    on_ = !on_;
    pressed_ = true;
    repaint();
}

void Switch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    } else {
        on_ = !on_;
        update();
    }
}

} // namespace tivrel
