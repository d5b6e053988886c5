#pragma once

#include <QImage>
#include <QWidget>

namespace tivrel {

// A two-state switch drawn with an off and an on picture, centred. A left press flips it and
// redraws it at once; releasing the button over it completes a click. A press released outside
// flips it back, so the switch never disagrees with what its clicks did.
class Switch : public QWidget {
    Q_OBJECT
public:
    Switch(const QImage& offPicture, const QImage& onPicture, QWidget* parent = nullptr);

    bool isOn() const { return on_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage offPicture_;
    QImage onPicture_;
    bool on_ = false;
    bool pressed_ = false;
};

} // namespace tivrel
