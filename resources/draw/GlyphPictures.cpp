#include "resources/draw/GlyphPictures.h"

#include "resources/draw/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace tivrel::draw {
namespace {

QImage canvas(int width, int height, const QColor& ground) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

void startPainting(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void fillShape(QPainter& painter, const QPolygonF& shape, const QBrush& fill, const QColor& rim,
               double rimWidth = 1.0) {
    painter.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
}

QLinearGradient downwards(double top, double bottom, const QColor& upper, const QColor& lower) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

// A sheet of paper with its upper right corner folded over, `left` to `right` wide.
void drawPage(QPainter& painter, double left, double right, const QColor& rim, const QColor& fold) {
    constexpr double top = 2.5;
    constexpr double bottom = 29.5;
    constexpr double foldSize = 6;
    fillShape(painter,
              QPolygonF{{left, top},
                        {right - foldSize, top},
                        {right, top + foldSize},
                        {right, bottom},
                        {left, bottom}},
              Qt::white, rim);
    fillShape(painter,
              QPolygonF{{right - foldSize, top},
                        {right - foldSize, top + foldSize},
                        {right, top + foldSize}},
              fold, rim);
}

// The desktop computer of the send and fetch glyphs: a monitor standing on a flat case.
void drawComputer(QPainter& painter, double x) {
    const QColor casing(205, 202, 192);
    const QColor rim(75, 75, 75);
    painter.setPen(QPen(rim, 1));
    painter.setBrush(casing);
    painter.drawRoundedRect(QRectF(x + 1.5, 2.5, 23, 17), 2, 2);
    painter.setBrush(downwards(5, 17, QColor(90, 145, 230), QColor(30, 70, 165)));
    painter.drawRect(QRectF(x + 4.5, 5.5, 17, 11));
    painter.setBrush(casing);
    painter.drawRect(QRectF(x + 10.5, 19.5, 5, 3));
    painter.drawRoundedRect(QRectF(x + 0.5, 22.5, 25, 7), 1.5, 1.5);
    painter.setPen(QPen(QColor(110, 110, 110), 1));
    painter.drawLine(QPointF(x + 14, 26), QPointF(x + 22, 26));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 190, 60));
    painter.drawEllipse(QPointF(x + 4.5, 26), 1.2, 1.2);
}

// The Tivrel-7 as it looks on the glyphs and the icon: a dark case with a blue display and
// two buttons below it.
void drawDevice(QPainter& painter, const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    painter.setPen(QPen(Qt::black, 1));
    QLinearGradient body(box.topLeft(), box.bottomRight());
    body.setColorAt(0, QColor(78, 78, 84));
    body.setColorAt(1, QColor(22, 22, 24));
    painter.setBrush(body);
    painter.drawRoundedRect(box, 3, 3);

    const QRectF display(box.left() + w * 0.16, box.top() + h * 0.12, w * 0.68, h * 0.36);
    painter.setPen(QPen(QColor(10, 40, 90), 1));
    painter.setBrush(
        downwards(display.top(), display.bottom(), QColor(110, 185, 255), QColor(40, 110, 215)));
    painter.drawRect(display);

    const double buttonY = box.top() + h * 0.74;
    const double radius = w * 0.12;
    painter.setPen(QPen(QColor(80, 80, 85), 0.8));
    painter.setBrush(QColor(200, 200, 205));
    painter.drawEllipse(QPointF(box.left() + w * 0.32, buttonY), radius, radius);
    painter.drawEllipse(QPointF(box.left() + w * 0.68, buttonY), radius, radius);
}

void drawArrowRight(QPainter& painter, double left, const QColor& fill, const QColor& rim) {
    fillShape(painter,
              QPolygonF{{left, 12.5},
                        {left + 13, 12.5},
                        {left + 13, 7},
                        {left + 22, 16},
                        {left + 13, 25},
                        {left + 13, 19.5},
                        {left, 19.5}},
              fill, rim);
}

const QColor red(225, 30, 30);
const QColor darkRed(120, 0, 0);
const QColor green(45, 175, 45);
const QColor darkGreen(0, 95, 0);

} // namespace

QImage drawSpreadsheet() {
    QImage image = canvas(32, 32, framedArea);
    QPainter painter(&image);
    startPainting(painter);
    const QColor rim(25, 100, 55);
    drawPage(painter, 7.5, 27.5, rim, QColor(185, 225, 195));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(35, 140, 75));
    painter.drawRect(QRectF(9, 10, 17, 3));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(70, 165, 100));
    for (int y = 14; y <= 26; y += 4) {
        painter.drawLine(9, y, 25, y);
    }
    for (int x = 14; x <= 20; x += 6) {
        painter.drawLine(x, 10, x, 27);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The green badge with an X tells a spreadsheet from any other page.
    painter.setPen(QPen(QColor(10, 70, 35), 1));
    painter.setBrush(QColor(30, 125, 65));
    painter.drawRoundedRect(QRectF(1.5, 15.5, 13, 13), 2, 2);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 19), QPointF(11, 25));
    painter.drawLine(QPointF(11, 19), QPointF(5, 25));
    return image;
}

QImage drawLoad() {
    QImage image = canvas(32, 32, buttonFace);
    QPainter painter(&image);
    startPainting(painter);
    const QColor brown(125, 85, 10);
    fillShape(painter, QPolygonF{{3, 8}, {10, 8}, {12, 10.5}, {25, 10.5}, {25, 27.5}, {3, 27.5}},
              QColor(215, 165, 40), brown);
    fillShape(painter,
              QPolygonF{{17, 22}, {22, 22}, {22, 11}, {26.5, 11}, {19.5, 2}, {12.5, 11}, {17, 11}},
              green, darkGreen);
    QLinearGradient flap(0, 15, 0, 28);
    flap.setColorAt(0, QColor(255, 230, 105));
    flap.setColorAt(1, QColor(240, 188, 45));
    fillShape(painter, QPolygonF{{7, 16}, {30, 16}, {25.5, 28.5}, {2.5, 28.5}}, flap, brown);
    return image;
}

QImage drawSave() {
    QImage image = canvas(32, 32, buttonFace);
    QPainter painter(&image);
    startPainting(painter);
    fillShape(painter, QPolygonF{{3.5, 3.5}, {25.5, 3.5}, {28.5, 6.5}, {28.5, 28.5}, {3.5, 28.5}},
              downwards(3, 29, QColor(70, 76, 100), QColor(38, 42, 58)), QColor(10, 10, 20));

    painter.setPen(QPen(QColor(85, 85, 92), 1));
    painter.setBrush(downwards(3, 12, QColor(215, 215, 222), QColor(150, 150, 160)));
    painter.drawRect(QRectF(9.5, 3.5, 14, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(45, 50, 68));
    painter.drawRect(QRectF(18, 5, 3, 6));

    painter.setPen(QPen(QColor(120, 120, 128), 1));
    painter.setBrush(QColor(238, 238, 232));
    painter.drawRect(QRectF(7.5, 16.5, 17, 12));
    painter.setPen(QPen(QColor(150, 160, 190), 1));
    for (double y = 20; y <= 26; y += 3) {
        painter.drawLine(QPointF(10, y), QPointF(22, y));
    }
    return image;
}

QImage drawReset() {
    QImage image = canvas(32, 32, buttonFace);
    QPainter painter(&image);
    startPainting(painter);
    drawPage(painter, 4.5, 24.5, QColor(85, 85, 95), QColor(215, 215, 222));
    painter.setPen(QPen(QColor(120, 140, 190), 1));
    for (double y = 11.5; y <= 26.5; y += 3) {
        painter.drawLine(QPointF(7.5, y), QPointF(y < 20 ? 21.5 : 17.5, y));
    }

    fillShape(painter, QPolygonF{{21, 7.5}, {28, 7.5}, {26, 21.5}, {23, 21.5}}, red, darkRed);
    painter.setBrush(red);
    painter.drawEllipse(QPointF(24.5, 26), 2.6, 2.6);
    return image;
}

QImage drawSend() {
    QImage image = canvas(80, 32, buttonFace);
    QPainter painter(&image);
    startPainting(painter);
    drawComputer(painter, 1);
    drawArrowRight(painter, 30, red, darkRed);
    drawDevice(painter, QRectF(57.5, 2.5, 19, 27));
    return image;
}

QImage drawFetch() {
    QImage image = canvas(80, 32, buttonFace);
    QPainter painter(&image);
    startPainting(painter);
    drawDevice(painter, QRectF(3.5, 2.5, 19, 27));
    drawArrowRight(painter, 28, green, darkGreen);
    drawComputer(painter, 53);
    return image;
}

// A rocker in its housing. Off: the "O" half is pressed in. On: the rocker is flipped, the
// other half pressed in, and the lamp in it lit.
QImage drawSwitch(bool on) {
    QImage image = canvas(41, 27, buttonFace);
    QPainter painter(&image);
    startPainting(painter);

    painter.setPen(QPen(QColor(35, 35, 35), 1));
    painter.setBrush(downwards(2, 25, QColor(120, 120, 122), QColor(60, 60, 62)));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 38, 22), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawRect(QRectF(4.5, 5.5, 32, 16));

    const QRectF offHalf(5, 6, 15.5, 15);
    const QRectF onHalf(20.5, 6, 15.5, 15);
    const QRectF& raised = on ? offHalf : onHalf;
    const QRectF& pressed = on ? onHalf : offHalf;

    // The raised half slopes up towards its outer end, which catches the light; the pressed
    // half lies in the shadow that the raised one casts over the pivot.
    const bool raisedOnLeft = raised.left() < pressed.left();
    const auto across = [](const QRectF& half, bool fromLeft) {
        return fromLeft ? QLinearGradient(half.topLeft(), half.topRight())
                        : QLinearGradient(half.topRight(), half.topLeft());
    };
    QLinearGradient lit = across(raised, raisedOnLeft);
    lit.setColorAt(0, QColor(240, 240, 240));
    lit.setColorAt(1, QColor(165, 165, 165));
    painter.fillRect(raised, lit);
    QLinearGradient shade = across(pressed, raisedOnLeft);
    shade.setColorAt(0, QColor(80, 80, 80));
    shade.setColorAt(0.4, QColor(112, 112, 112));
    shade.setColorAt(1, QColor(130, 130, 130));
    painter.fillRect(pressed, shade);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(raised.left() + 0.5, raised.top() + 0.5),
                     QPointF(raised.right() - 0.5, raised.top() + 0.5));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.drawLine(QPointF(20.5, 6), QPointF(20.5, 21));

    painter.setPen(QPen(QColor(50, 50, 50), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(offHalf.center(), 2.8, 2.8);

    const QPointF lampCentre = onHalf.center();
    if (on) {
        QRadialGradient glow(lampCentre, 4, lampCentre - QPointF(1, 1));
        glow.setColorAt(0, QColor(255, 210, 200));
        glow.setColorAt(0.45, QColor(255, 40, 25));
        glow.setColorAt(1, QColor(175, 0, 0));
        painter.setPen(QPen(QColor(90, 0, 0), 1));
        painter.setBrush(glow);
    } else {
        painter.setPen(QPen(QColor(50, 50, 50), 1));
        painter.setBrush(downwards(lampCentre.y() - 4, lampCentre.y() + 4, QColor(120, 118, 118),
                                   QColor(70, 68, 68)));
    }
    painter.drawEllipse(lampCentre, 3.6, 3.6);
    return image;
}

QImage drawProgramIcon() {
    QImage image = canvas(32, 32, buttonFace);
    QPainter painter(&image);
    startPainting(painter);
    drawDevice(painter, QRectF(5.5, 1.5, 21, 29));
    return image;
}

QImage toGrey(const QImage& picture, const QColor& background) {
    QImage grey = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb ground = background.rgb();
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            if ((row[x] & 0xffffff) == (ground & 0xffffff)) {
                continue;
            }
            const int level = 72 + qGray(row[x]) * 2 / 3;
            row[x] = qRgb(level, level, level);
        }
    }
    return grey;
}

} // namespace tivrel::draw
