#include "resources/Pictures.h"
// placeholder, being written
namespace tivrel::pictures {
static QImage blank(int w, int h) { QImage i(w, h, QImage::Format_RGB32); i.fill(Qt::gray); return i; }
QImage frontPanel() { return blank(350, 503); }
QImage co2Output() { return blank(59, 80); }
QImage o2Output() { return blank(59, 80); }
QImage linkSymbol() { return blank(30, 16); }
QImage spreadsheet() { return blank(32, 32); }
QImage spreadsheetGrey() { return blank(32, 32); }
QImage loadGlyph() { return blank(32, 32); }
QImage saveGlyph() { return blank(32, 32); }
QImage resetGlyph() { return blank(32, 32); }
QImage sendGlyph() { return blank(80, 32); }
QImage fetchGlyph() { return blank(80, 32); }
QImage loadGlyphGrey() { return blank(32, 32); }
QImage saveGlyphGrey() { return blank(32, 32); }
QImage resetGlyphGrey() { return blank(32, 32); }
QImage sendGlyphGrey() { return blank(80, 32); }
QImage fetchGlyphGrey() { return blank(80, 32); }
QImage switchOff() { return blank(41, 27); }
QImage switchOn() { return blank(41, 27); }
QImage programIcon() { return blank(32, 32); }
} // namespace tivrel::pictures
