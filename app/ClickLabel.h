#pragma once

#include <QLabel>

namespace tivrel {

// A label or picture that runs a handler when clicked: pressed and released over it with the
// left button, like a button but without a button's look.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tivrel
