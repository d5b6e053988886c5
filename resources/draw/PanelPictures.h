#pragma once

#include <QImage>

// The pictures of the device itself, stored as JPEGs: the front panel and the small pictures
// of the reading area.
namespace tivrel::draw {

QImage drawFrontPanel(); // 350 x 503
QImage drawCo2Output();  // 59 x 80, arrow down on the left
QImage drawO2Output();   // 59 x 80, arrow up on the right
QImage drawLinkSymbol(); // 30 x 16

} // namespace tivrel::draw
