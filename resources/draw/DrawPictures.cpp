// Draws the window's pictures and writes them into the pictures folder, where they are kept
// and compiled into the program. Run it by hand after changing a drawing:
//   tivrel7-draw-pictures [FOLDER]
// (FOLDER defaults to the source tree's resources/pictures).
#include "resources/draw/GlyphPictures.h"
#include "resources/draw/JpegWriter.h"
#include "resources/draw/Palette.h"
#include "resources/draw/PanelPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

using namespace tivrel::draw;

bool writeBmp(const QImage& image, const QString& path) {
    // 24 bits a pixel: the glyphs have no transparency of their own.
    return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

bool writeAll(const QDir& folder) {
    bool ok = true;
    const auto jpeg = [&](const char* name, const QImage& image) {
        ok = writeJpeg(image, folder.filePath(QLatin1String(name))) && ok;
    };
    const auto bmp = [&](const char* name, const QImage& image) {
        ok = writeBmp(image, folder.filePath(QLatin1String(name))) && ok;
    };
    const auto bmpWithGrey = [&](const char* name, const char* greyName, const QImage& image,
                                 const QColor& ground) {
        bmp(name, image);
        bmp(greyName, toGrey(image, ground));
    };

    jpeg("front_panel.jpg", drawFrontPanel());
    jpeg("co2_output.jpg", drawCo2Output());
    jpeg("o2_output.jpg", drawO2Output());
    jpeg("link.jpg", drawLinkSymbol());

    bmpWithGrey("spreadsheet.bmp", "spreadsheet_grey.bmp", drawSpreadsheet(), framedArea);
    bmpWithGrey("load.bmp", "load_grey.bmp", drawLoad(), buttonFace);
    bmpWithGrey("save.bmp", "save_grey.bmp", drawSave(), buttonFace);
    bmpWithGrey("reset.bmp", "reset_grey.bmp", drawReset(), buttonFace);
    bmpWithGrey("send.bmp", "send_grey.bmp", drawSend(), buttonFace);
    bmpWithGrey("fetch.bmp", "fetch_grey.bmp", drawFetch(), buttonFace);

    bmp("switch_off.bmp", drawSwitch(false));
    bmp("switch_on.bmp", drawSwitch(true));

    const QImage icon = drawProgramIcon();
    bmp("icon.bmp", icon);
    ok = icon.save(folder.filePath(QStringLiteral("icon.png")), "PNG") && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing text needs the font database, which needs a GUI application; no screen is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1)
                                           : QStringLiteral(TIVREL_PICTURES_FOLDER));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (!writeAll(folder)) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", qPrintable(folder.path()));
        return 1;
    }
    return 0;
}
