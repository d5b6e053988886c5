#include "resources/draw/JpegWriter.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace tivrel::draw {
namespace {

QByteArray encode(const QImage& image, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    // This is a build-time tool: libjpeg's default handling (message and exit) of an
    // encoding error is good enough here.
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows but does not write to them.
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

} // namespace

bool writeJpeg(const QImage& image, const QString& path, int quality) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray bytes = encode(image, quality);
    return file.write(bytes) == bytes.size();
}

} // namespace tivrel::draw
