#include "platform/Jpeg.h"
// placeholder, being written
namespace tivrel {
QImage decodeJpeg(const QByteArray&) { return {}; }
} // namespace tivrel
