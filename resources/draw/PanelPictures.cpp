#include "resources/draw/PanelPictures.h"

#include "resources/draw/Palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace tivrel::draw {
namespace {

// Places on the front panel, in picture coordinates (the picture starts at window y 115).
// The reading area and its grey cover lie on the white display window (window 45,202 to
// 305,345); the LCD settings and their captions stand beside "PH Controller" (window y 361 to
// 409); the settings panel lies on the lower framed area (window 34,466 to 315,571). The CSV
// check box and the spreadsheet icon sit near the upper area's top right (window 248,170 to
// 308,202), which therefore stays plain.
constexpr QRectF upperFrame{18, 14, 314, 290};
constexpr QRectF lowerFrame{18, 316, 314, 172};
constexpr QRectF displayBezel{37, 84, 276, 157};
constexpr QRectF displayWindow{40, 87, 270, 151};
constexpr QRectF modelNameBox{18, 18, 314, 40};
constexpr QRectF panelWordsBox{85, 244, 170, 22};

QFont letteringFont(int pixelSize, bool italic) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

void drawCase(QPainter& painter, const QRectF& bounds) {
    QPainterPath outline;
    outline.addRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    QLinearGradient body(bounds.topLeft(), bounds.bottomRight());
    body.setColorAt(0, QColor(40, 40, 43));
    body.setColorAt(1, QColor(12, 12, 13));
    painter.fillPath(outline, body);

    // A lit upper-left edge and a shadowed lower-right one make the case stand out a little.
    QLinearGradient edge(bounds.topLeft(), bounds.bottomRight());
    edge.setColorAt(0, QColor(120, 120, 126));
    edge.setColorAt(0.5, QColor(45, 45, 48));
    edge.setColorAt(1, QColor(0, 0, 0));
    QPainterPath rim;
    rim.addRoundedRect(bounds.adjusted(1.5, 1.5, -1.5, -1.5), 13, 13);
    painter.strokePath(rim, QPen(QBrush(edge), 2));
}

// A flat near-black area sunk into the case: the groove is dark on its upper-left side and
// catches the light on its lower-right side.
void drawFramedArea(QPainter& painter, const QRectF& area) {
    const QRectF groove = area.adjusted(-4, -4, 4, 4);
    QLinearGradient light(groove.topLeft(), groove.bottomRight());
    light.setColorAt(0, QColor(0, 0, 0));
    light.setColorAt(1, QColor(95, 95, 100));
    QPainterPath outer;
    outer.addRoundedRect(groove, 7, 7);
    painter.fillPath(outer, light);

    QPainterPath inner;
    inner.addRoundedRect(area, 4, 4);
    painter.fillPath(inner, framedArea);
}

void drawDisplayWindow(QPainter& painter) {
    QLinearGradient bezel(displayBezel.topLeft(), displayBezel.bottomRight());
    bezel.setColorAt(0, QColor(70, 70, 74));
    bezel.setColorAt(1, QColor(190, 190, 196));
    painter.fillRect(displayBezel, bezel);
    painter.fillRect(displayWindow, Qt::white);
}

void drawLettering(QPainter& painter, const QRectF& box, const QString& text, int pixelSize,
                   bool italic) {
    painter.setFont(letteringFont(pixelSize, italic));
    painter.setPen(lightBlue);
    painter.drawText(box, Qt::AlignCenter, text);
}

// A bubble in water: light in the middle, blue towards its rim, with a small highlight.
struct Bubble {
    double x;
    double y;
    double radius;
};

void drawBubble(QPainter& painter, const Bubble& bubble) {
    const QPointF centre(bubble.x, bubble.y);
    const double r = bubble.radius;
    QRadialGradient water(centre, r, centre - QPointF(r * 0.35, r * 0.35));
    water.setColorAt(0, QColor(250, 253, 255));
    water.setColorAt(0.6, QColor(160, 205, 245));
    water.setColorAt(1, QColor(60, 130, 225));
    painter.setBrush(water);
    painter.setPen(QPen(QColor(25, 95, 205), r > 3 ? 1.0 : 0.8));
    painter.drawEllipse(centre, r, r);
}

// Bubbles rise from the lower corner and grow on their way up. The lower middle of the
// picture stays free: the "CO2" and "O2" captions are written there.
constexpr std::array<Bubble, 10> bubblesRisingRight{{
    {44, 11, 8},
    {25, 14, 6},
    {34, 31, 7},
    {50, 32, 5},
    {21, 38, 4.5},
    {42, 47, 4},
    {28, 52, 3},
    {50, 60, 3},
    {53, 69, 2.2},
    {49, 76, 1.6},
}};

enum class ArrowSide { LeftPointingDown, RightPointingUp };

QImage drawOutput(ArrowSide side) {
    constexpr int width = 59;
    constexpr int height = 80;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(readingArea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool mirrored = side == ArrowSide::RightPointingUp;
    for (const Bubble& bubble : bubblesRisingRight) {
        drawBubble(painter, {mirrored ? width - bubble.x : bubble.x, bubble.y, bubble.radius});
    }

    painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::black);
    if (mirrored) {
        const double x = 52;
        painter.drawLine(QPointF(x, 77), QPointF(x, 12));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(
            std::array{QPointF(x - 5, 13), QPointF(x + 5, 13), QPointF(x, 2)}.data(), 3);
    } else {
        const double x = 7;
        painter.drawLine(QPointF(x, 3), QPointF(x, 68));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(
            std::array{QPointF(x - 5, 67), QPointF(x + 5, 67), QPointF(x, 78)}.data(), 3);
    }
    return image;
}

} // namespace

QImage drawFrontPanel() {
    QImage image(350, 503, QImage::Format_RGB32);
    image.fill(buttonFace); // shows only beyond the rounded corners
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    drawCase(painter, QRectF(0, 0, 350, 503));
    drawFramedArea(painter, upperFrame);
    drawFramedArea(painter, lowerFrame);
    drawDisplayWindow(painter);
    drawLettering(painter, modelNameBox, QStringLiteral("Tivrel-7"), 30, true);
    drawLettering(painter, panelWordsBox, QStringLiteral("PH Controller"), 17, false);
    return image;
}

QImage drawCo2Output() {
    return drawOutput(ArrowSide::LeftPointingDown);
}

QImage drawO2Output() {
    return drawOutput(ArrowSide::RightPointingUp);
}

// The USB trident: a round foot, a shaft ending in an arrowhead, one branch ending in a
// circle and one in a square.
QImage drawLinkSymbol() {
    QImage image(30, 16, QImage::Format_RGB32);
    image.fill(readingArea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::black);

    painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(QPointF(5, 8), QPointF(23, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(std::array{QPointF(8, 8), QPointF(12, 3.5), QPointF(16, 3.5)}.data(), 3);
    painter.drawPolyline(std::array{QPointF(11, 8), QPointF(15, 12.5), QPointF(18, 12.5)}.data(),
                         3);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(3.5, 8), 2.6, 2.6);
    painter.drawEllipse(QPointF(17.5, 3.5), 1.9, 1.9);
    painter.drawRect(QRectF(17.5, 10.9, 3.2, 3.2));
    painter.drawPolygon(std::array{QPointF(22, 4.5), QPointF(29, 8), QPointF(22, 11.5)}.data(), 3);
    return image;
}

} // namespace tivrel::draw
