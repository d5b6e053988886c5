#pragma once

#include <QByteArray>
#include <QImage>

namespace tivrel {

// Decodes a JPEG held in memory with libjpeg into an RGB image. Corrupt or truncated data
// gives a null image; libjpeg's own error handler (which would end the process) is never used.
QImage decodeJpeg(const QByteArray& data);

} // namespace tivrel
