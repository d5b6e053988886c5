#pragma once

#include <QColor>
#include <QImage>

// The small bitmaps: button glyphs, the spreadsheet icon, the connection switch and the
// program icon.
namespace tivrel::draw {

QImage drawSpreadsheet();   // 32 x 32, on the front panel's dark framed area
QImage drawLoad();          // 32 x 32, the glyphs below stand on the button face
QImage drawSave();          // 32 x 32
QImage drawReset();         // 32 x 32
QImage drawSend();          // 80 x 32
QImage drawFetch();         // 80 x 32
QImage drawSwitch(bool on); // 41 x 27
QImage drawProgramIcon();   // 32 x 32

// The grey look of a cover button: each pixel becomes a lighter, flatter grey of its own
// brightness, so the picture reads as switched off; pixels of `background` stay as they are,
// so the grey picture stands on the same ground as the coloured one.
QImage toGrey(const QImage& picture, const QColor& background);

} // namespace tivrel::draw
