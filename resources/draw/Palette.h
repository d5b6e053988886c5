#pragma once

#include <QColor>

// Colours the pictures share with the window they are placed on.
namespace tivrel::draw {

// Face of the buttons and the window around the switch: every glyph, the switch and the icon
// stand on it, and the bottom-left pixel of each of them has exactly this colour.
inline const QColor buttonFace{212, 208, 200};

// The reading area's colour: the output and link pictures lie on it.
inline const QColor readingArea{240, 251, 255};

// The framed areas of the front panel. Near black and neutral, so that the black labels, the
// black settings panel and the check box placed on them blend in.
inline const QColor framedArea{6, 6, 6};

// The device's lettering.
inline const QColor lightBlue{120, 190, 255};

} // namespace tivrel::draw
