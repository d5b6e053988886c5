#pragma once

#include <QImage>

// The window's pictures, compiled into the program. JPEGs are decoded with our libjpeg code;
// the bitmaps (button glyphs, switch, icons) are BMP files. Each function returns the picture
// in its stated size; a picture that cannot be decoded gives a null image.
// The button glyphs, the switch and the program icon stand on the button face RGB(212, 208, 200),
// the colour of the bottom-left pixel of each, which a button may treat as transparent; the
// spreadsheet icons stand on the front panel's near-black RGB(6, 6, 6), as they lie on it.
// The pictures are drawn by resources/draw (tivrel7-draw-pictures) and kept in
// resources/pictures.
namespace tivrel::pictures {

QImage frontPanel();      // 350 x 503 JPEG: the device's case (Image3)
QImage co2Output();       // 59 x 80 JPEG: bubbles, arrow down on the left (Image1)
QImage o2Output();        // 59 x 80 JPEG: bubbles, arrow up on the right (Image2)
QImage linkSymbol();      // 30 x 16 JPEG: black USB symbol (Image4)
QImage spreadsheet();     // 32 x 32 bitmap: spreadsheet file icon in colour (Image6)
QImage spreadsheetGrey(); // 32 x 32 bitmap: the same in grey (Image5)
QImage loadGlyph();       // 32 x 32: open yellow folder, green arrow up (SpeedButton1)
QImage saveGlyph();       // 32 x 32: dark floppy disk (SpeedButton2)
QImage resetGlyph();      // 32 x 32: page with lines and a red exclamation mark (SpeedButton6)
QImage sendGlyph();       // 80 x 32: computer, red arrow right, device (SpeedButton3)
QImage fetchGlyph();      // 80 x 32: device, green arrow right, computer (SpeedButton4)
QImage loadGlyphGrey();   // grey versions for the cover buttons, same sizes
QImage saveGlyphGrey();
QImage resetGlyphGrey();
QImage sendGlyphGrey();
QImage fetchGlyphGrey();
QImage switchOff();   // 41 x 27: grey rocker switch
QImage switchOn();    // 41 x 27: the rocker switch with a red lamp
QImage programIcon(); // 32 x 32: the device (dark case, blue display, two buttons) on grey

} // namespace tivrel::pictures
