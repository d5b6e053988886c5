#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared before it
#include <jpeglib.h>

namespace tivrel {
namespace {

// Pictures larger than this on either side are not ours: refuse them before allocating.
constexpr JDIMENSION maxSide = 8192;

// libjpeg reports fatal errors through error_exit, whose default ends the process. Ours jumps
// back into the decoder instead, which then gives up and returns a null image.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
};

void jumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jumpBack, 1);
}

// Warnings (damaged segments, premature end of data) are counted by libjpeg in num_warnings;
// printing them to stderr is of no use to the user.
void stayQuiet(j_common_ptr) {}

// Decodes into `out`; false when the data is not a whole, intact JPEG (what `out` then holds
// is of no use). Nothing with a destructor lives in this function's frame, so a jump back to
// setjmp skips nothing: the image belongs to the caller.
bool decodeInto(const unsigned char* bytes, unsigned long size, QImage* out) {
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = stayQuiet;

    if (setjmp(errors.jumpBack) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width > maxSide ||
        info.image_height > maxSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    // Grey pictures are widened to RGB by libjpeg itself.
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);

    // A truncated or damaged stream still "decodes" (libjpeg pads it with grey); such a picture
    // is not the one that was stored, so it counts as undecodable.
    const bool intact = errors.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return intact;
}

} // namespace

QImage decodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) {
        return {};
    }
    QImage image;
    if (!decodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &image)) {
        return {};
    }
    return image;
}

} // namespace tivrel
