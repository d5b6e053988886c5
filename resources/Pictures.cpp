#include "resources/Pictures.h"

#include "platform/Jpeg.h"

#include <QFile>
#include <QString>

namespace tivrel::pictures {
namespace {

// The pictures are compiled in under this prefix (see resources/CMakeLists.txt).
QString resourcePath(const char* fileName) {
    return QStringLiteral(":/pictures/") + QLatin1String(fileName);
}

QImage jpeg(const char* fileName) {
    QFile file(resourcePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return decodeJpeg(file.readAll());
}

QImage bitmap(const char* fileName) {
    return QImage(resourcePath(fileName), "BMP");
}

} // namespace

QImage frontPanel() {
    return jpeg("front_panel.jpg");
}
QImage co2Output() {
    return jpeg("co2_output.jpg");
}
QImage o2Output() {
    return jpeg("o2_output.jpg");
}
QImage linkSymbol() {
    return jpeg("link.jpg");
}

QImage spreadsheet() {
    return bitmap("spreadsheet.bmp");
}
QImage spreadsheetGrey() {
    return bitmap("spreadsheet_grey.bmp");
}

QImage loadGlyph() {
    return bitmap("load.bmp");
}
QImage saveGlyph() {
    return bitmap("save.bmp");
}
QImage resetGlyph() {
    return bitmap("reset.bmp");
}
QImage sendGlyph() {
    return bitmap("send.bmp");
}
QImage fetchGlyph() {
    return bitmap("fetch.bmp");
}
QImage loadGlyphGrey() {
    return bitmap("load_grey.bmp");
}
QImage saveGlyphGrey() {
    return bitmap("save_grey.bmp");
}
QImage resetGlyphGrey() {
    return bitmap("reset_grey.bmp");
}
QImage sendGlyphGrey() {
    return bitmap("send_grey.bmp");
}
QImage fetchGlyphGrey() {
    return bitmap("fetch_grey.bmp");
}

QImage switchOff() {
    return bitmap("switch_off.bmp");
}
QImage switchOn() {
    return bitmap("switch_on.bmp");
}

QImage programIcon() {
    return bitmap("icon.bmp");
}

} // namespace tivrel::pictures
