#pragma once

#include <QImage>
#include <QString>

namespace tivrel::draw {

// Encodes `image` with libjpeg at the given quality (full colour resolution, no chroma
// subsampling: the pictures are small and their edges sharp) and writes it to `path`.
// Returns false if the file cannot be written.
bool writeJpeg(const QImage& image, const QString& path, int quality = 90);

} // namespace tivrel::draw
