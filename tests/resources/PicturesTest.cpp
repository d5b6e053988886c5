// The window's pictures as the program gets them: compiled into the executable, decoded by our
// libjpeg code or read as bitmaps, each in its size and with its colours where the window's
// controls rely on them.
#include "resources/Pictures.h"

#include "platform/Jpeg.h"

#include <QColor>
#include <QFile>
#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace tivrel;

// ---------------------------------------------------------------------------------------------
// Pixel helpers

QColor colourAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

int darkest(const QColor& c) {
    return std::min({c.red(), c.green(), c.blue()});
}
int brightest(const QColor& c) {
    return std::max({c.red(), c.green(), c.blue()});
}

bool isRed(const QColor& c) {
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}
bool isGreen(const QColor& c) {
    return c.green() > 120 && c.green() > c.red() + 60 && c.green() > c.blue() + 60;
}
bool isBlue(const QColor& c) {
    return c.blue() > 150 && c.blue() > c.red() + 60;
}
bool isLightBlue(const QColor& c) {
    return c.blue() > 190 && c.blue() > c.red() + 40;
}
bool isBlack(const QColor& c) {
    return brightest(c) < 70;
}

int countIn(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += test(colourAt(image, x, y)) ? 1 : 0;
        }
    }
    return count;
}

int countAll(const QImage& image, const std::function<bool(QColor)>& test) {
    return countIn(image, image.rect(), test);
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

const QColor buttonFace(212, 208, 200);

// Names each parameterised case after its `name` field, in test names and in failures.
template <class Case>
concept NamedCase = requires(const Case& c) {
    c.name;
};

template <NamedCase Case> void PrintTo(const Case& tested, std::ostream* out) {
    *out << tested.name;
}

struct NameOfCase {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& tested) const {
        return tested.param.name;
    }
};
const QColor readingArea(240, 251, 255);

// ---------------------------------------------------------------------------------------------
// Every picture is there, in its size

struct PictureCase {
    const char* name;
    QImage (*load)();
    int width;
    int height;
};

const PictureCase everyPicture[] = {
    {"frontPanel", pictures::frontPanel, 350, 503},
    {"co2Output", pictures::co2Output, 59, 80},
    {"o2Output", pictures::o2Output, 59, 80},
    {"linkSymbol", pictures::linkSymbol, 30, 16},
    {"spreadsheet", pictures::spreadsheet, 32, 32},
    {"spreadsheetGrey", pictures::spreadsheetGrey, 32, 32},
    {"loadGlyph", pictures::loadGlyph, 32, 32},
    {"saveGlyph", pictures::saveGlyph, 32, 32},
    {"resetGlyph", pictures::resetGlyph, 32, 32},
    {"sendGlyph", pictures::sendGlyph, 80, 32},
    {"fetchGlyph", pictures::fetchGlyph, 80, 32},
    {"loadGlyphGrey", pictures::loadGlyphGrey, 32, 32},
    {"saveGlyphGrey", pictures::saveGlyphGrey, 32, 32},
    {"resetGlyphGrey", pictures::resetGlyphGrey, 32, 32},
    {"sendGlyphGrey", pictures::sendGlyphGrey, 80, 32},
    {"fetchGlyphGrey", pictures::fetchGlyphGrey, 80, 32},
    {"switchOff", pictures::switchOff, 41, 27},
    {"switchOn", pictures::switchOn, 41, 27},
    {"programIcon", pictures::programIcon, 32, 32},
};

class EveryPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(EveryPicture, LoadsFromTheExecutableInItsSize) {
    const QImage picture = GetParam().load();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), GetParam().width);
    EXPECT_EQ(picture.height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, EveryPicture, ::testing::ValuesIn(everyPicture), NameOfCase());

// ---------------------------------------------------------------------------------------------
// Glyphs stand on the button face; their grey versions are grey

// The glyphs, the switch and the icon share one ground colour, which a button may take as
// transparent (it is the bottom-left pixel of each).
TEST(GlyphGround, EveryButtonPictureStandsOnTheButtonFace) {
    for (const PictureCase& c : everyPicture) {
        const std::string name = c.name;
        if (name.find("Glyph") == std::string::npos && name.find("switch") == std::string::npos &&
            name != "programIcon") {
            continue;
        }
        const QImage picture = c.load();
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(colourAt(picture, 0, picture.height() - 1), buttonFace) << name;
    }
}

struct GreyPair {
    const char* name;
    QImage (*colour)();
    QImage (*grey)();
};

const GreyPair greyPairs[] = {
    {"spreadsheet", pictures::spreadsheet, pictures::spreadsheetGrey},
    {"load", pictures::loadGlyph, pictures::loadGlyphGrey},
    {"save", pictures::saveGlyph, pictures::saveGlyphGrey},
    {"reset", pictures::resetGlyph, pictures::resetGlyphGrey},
    {"send", pictures::sendGlyph, pictures::sendGlyphGrey},
    {"fetch", pictures::fetchGlyph, pictures::fetchGlyphGrey},
};

class GreyVersion : public ::testing::TestWithParam<GreyPair> {};

TEST_P(GreyVersion, IsTheColourPictureWithoutColour) {
    const QImage colour = GetParam().colour();
    const QImage grey = GetParam().grey();
    ASSERT_FALSE(colour.isNull());
    ASSERT_FALSE(grey.isNull());
    ASSERT_EQ(grey.size(), colour.size());

    const auto coloured = [](const QColor& c) {
        return c != buttonFace && brightest(c) - darkest(c) > 0;
    };
    EXPECT_GT(countAll(colour, coloured), 0) << "the colour picture has colour";
    EXPECT_EQ(countAll(grey, coloured), 0) << "the grey picture has none";

    // Same drawing: where the colour picture has its ground, so has the grey one, and the
    // drawing itself is not lost in the ground.
    const QColor ground = colourAt(colour, 0, colour.height() - 1);
    int sameGround = 0;
    int drawn = 0;
    for (int y = 0; y < colour.height(); ++y) {
        for (int x = 0; x < colour.width(); ++x) {
            const bool colourGround = colourAt(colour, x, y) == ground;
            const bool greyGround = colourAt(grey, x, y) == ground;
            sameGround += colourGround == greyGround ? 1 : 0;
            drawn += greyGround ? 0 : 1;
        }
    }
    EXPECT_EQ(sameGround, colour.width() * colour.height());
    EXPECT_GT(drawn, colour.width() * colour.height() / 5);
}

INSTANTIATE_TEST_SUITE_P(Pictures, GreyVersion, ::testing::ValuesIn(greyPairs), NameOfCase());

// ---------------------------------------------------------------------------------------------
// Colours that tell the pictures apart

TEST(ButtonPictures, ArrowsAndMarksHaveTheirColours) {
    const QImage send = pictures::sendGlyph();
    const QImage fetch = pictures::fetchGlyph();
    const QRect middle(28, 0, 24, 32);
    EXPECT_GT(countIn(send, middle, isRed), 40) << "send: red arrow in the middle";
    EXPECT_EQ(countIn(send, middle, isGreen), 0);
    EXPECT_GT(countIn(fetch, middle, isGreen), 40) << "fetch: green arrow in the middle";
    EXPECT_EQ(countIn(fetch, middle, isRed), 0);

    // Both show the device's blue display on the side the data goes to or comes from.
    EXPECT_GT(countIn(send, QRect(54, 0, 26, 32), isBlue), 20);
    EXPECT_GT(countIn(fetch, QRect(0, 0, 26, 32), isBlue), 20);

    EXPECT_GT(countAll(pictures::resetGlyph(), isRed), 20) << "red exclamation mark";
    EXPECT_GT(countIn(pictures::loadGlyph(), QRect(0, 0, 32, 12), isGreen), 10)
        << "green arrow out of the top of the folder";
    EXPECT_GT(countAll(pictures::programIcon(), isBlue), 30) << "the device's blue display";
}

TEST(SwitchPictures, OnlyTheOnPictureHasItsLampLit) {
    const QImage off = pictures::switchOff();
    const QImage on = pictures::switchOn();
    EXPECT_EQ(countAll(off, isRed), 0);
    EXPECT_GT(countAll(on, isRed), 10);
    EXPECT_NE(off, on);
}

// The arrow lies along one side, its head at the end it points to; the other side is free.
struct OutputCase {
    const char* name;
    QImage (*load)();
    QRect arrowSide;
    QRect otherSide;
    int headRow;
    int tailRow;
};

class OutputPicture : public ::testing::TestWithParam<OutputCase> {};

TEST_P(OutputPicture, HasBubblesAndItsArrow) {
    const OutputCase& c = GetParam();
    const QImage picture = c.load();
    ASSERT_FALSE(picture.isNull());

    EXPECT_GT(countAll(picture, isBlue), 50) << "blue bubbles";
    EXPECT_TRUE(near(colourAt(picture, 0, 0), readingArea, 8) ||
                near(colourAt(picture, picture.width() - 1, 0), readingArea, 8))
        << "stands on the reading area's colour";

    EXPECT_GT(countIn(picture, c.arrowSide, isBlack), 60);
    EXPECT_EQ(countIn(picture, c.otherSide, isBlack), 0);

    const auto rowWidth = [&](int y) {
        return countIn(picture, QRect(c.arrowSide.left(), y, c.arrowSide.width(), 1), isBlack);
    };
    EXPECT_GE(rowWidth(c.headRow), 5) << "arrowhead";
    EXPECT_LE(rowWidth(c.tailRow), 3) << "shaft";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, OutputPicture,
    ::testing::Values(OutputCase{"co2ArrowDownOnTheLeft", pictures::co2Output, QRect(0, 0, 14, 80),
                                 QRect(45, 0, 14, 80), 70, 10},
                      OutputCase{"o2ArrowUpOnTheRight", pictures::o2Output, QRect(45, 0, 14, 80),
                                 QRect(0, 0, 14, 80), 9, 70}),
    NameOfCase());

TEST(LinkSymbol, IsBlackOnTheReadingArea) {
    const QImage link = pictures::linkSymbol();
    ASSERT_FALSE(link.isNull());
    EXPECT_TRUE(near(colourAt(link, 0, 0), readingArea, 8));
    EXPECT_TRUE(near(colourAt(link, link.width() - 1, link.height() - 1), readingArea, 8));
    EXPECT_GT(countIn(link, QRect(0, 7, 30, 3), isBlack), 15) << "the trident's shaft";
}

// ---------------------------------------------------------------------------------------------
// The front panel under the controls placed on it (picture y = window y - 115)

class FrontPanel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { panel = new QImage(pictures::frontPanel()); }
    static void TearDownTestSuite() {
        delete panel;
        panel = nullptr;
    }
    static QImage* panel;

    int plainDarkFailures(const QRect& area) const {
        return countIn(*panel, area, [](const QColor& c) { return brightest(c) > 40; });
    }
};

QImage* FrontPanel::panel = nullptr;

TEST_F(FrontPanel, DisplayWindowIsWhiteUnderTheReadingAreaAndItsCover) {
    ASSERT_FALSE(panel->isNull());
    const QRect readingCover(45, 87, 260, 143);
    EXPECT_EQ(countIn(*panel, readingCover, [](const QColor& c) { return darkest(c) < 235; }), 0);
}

TEST_F(FrontPanel, CaseIsNearBlack) {
    for (const QPoint& p : {QPoint(8, 250), QPoint(340, 250), QPoint(175, 6), QPoint(175, 497),
                            QPoint(8, 309), QPoint(340, 309)}) {
        EXPECT_TRUE(isBlack(colourAt(*panel, p.x(), p.y()))) << p.x() << "," << p.y();
    }
}

TEST_F(FrontPanel, ControlsStandOnPlainDarkGround) {
    struct Place {
        const char* control;
        QRect area;
    };
    const Place places[] = {
        {"CheckBox1", QRect(248, 63, 17, 17)},   {"Image5/Image6", QRect(276, 55, 32, 29)},
        {"Label1 BRI", QRect(46, 246, 32, 20)},  {"Label2 CON", QRect(264, 246, 41, 20)},
        {"RxSpinEdit9", QRect(33, 266, 60, 28)}, {"RxSpinEdit10", QRect(255, 266, 60, 28)},
        {"Panel1", QRect(34, 351, 281, 105)},
    };
    for (const Place& place : places) {
        EXPECT_EQ(plainDarkFailures(place.area), 0) << place.control;
    }
}

TEST_F(FrontPanel, LetteringIsLightBlueInItsPlaces) {
    EXPECT_GT(countIn(*panel, QRect(85, 244, 170, 22), isLightBlue), 100) << "PH Controller";
    EXPECT_GT(countIn(*panel, QRect(20, 16, 310, 44), isLightBlue), 150) << "Tivrel-7";
    EXPECT_EQ(countIn(*panel, QRect(18, 316, 314, 172), isLightBlue), 0) << "lower area empty";
}

// ---------------------------------------------------------------------------------------------
// Decoding JPEGs

// Encodes samples (row by row, `components` bytes a pixel) with libjpeg, so the decoder meets
// every kind of picture it must handle. Chroma is subsampled as libjpeg does by default.
QByteArray encodeJpeg(int width, int height, J_COLOR_SPACE space, int components,
                      const std::vector<unsigned char>& samples) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(
            samples.data() + static_cast<std::size_t>(info.next_scanline * width * components));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

QByteArray greyJpeg(int width, int height) {
    std::vector<unsigned char> samples(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            samples[static_cast<std::size_t>(y * width + x)] =
                static_cast<unsigned char>((x * 255) / std::max(1, width - 1));
        }
    }
    return encodeJpeg(width, height, JCS_GRAYSCALE, 1, samples);
}

QByteArray storedFrontPanel() {
    QFile file(QStringLiteral(":/pictures/front_panel.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(JpegDecoding, ColourPictureKeepsItsColoursInPlace) {
    // Quadrants of 16 x 16: red, blue above; green, white below.
    constexpr int side = 32;
    std::vector<unsigned char> samples;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool right = x >= side / 2;
            const bool lower = y >= side / 2;
            const QColor c = !lower ? (right ? QColor(0, 0, 255) : QColor(255, 0, 0))
                                    : (right ? QColor(255, 255, 255) : QColor(0, 255, 0));
            samples.insert(samples.end(), {static_cast<unsigned char>(c.red()),
                                           static_cast<unsigned char>(c.green()),
                                           static_cast<unsigned char>(c.blue())});
        }
    }
    const QImage image = decodeJpeg(encodeJpeg(side, side, JCS_RGB, 3, samples));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.size(), QSize(side, side));
    EXPECT_TRUE(near(colourAt(image, 8, 8), QColor(255, 0, 0), 12));
    EXPECT_TRUE(near(colourAt(image, 24, 8), QColor(0, 0, 255), 12));
    EXPECT_TRUE(near(colourAt(image, 8, 24), QColor(0, 255, 0), 12));
    EXPECT_TRUE(near(colourAt(image, 24, 24), QColor(255, 255, 255), 12));
}

TEST(JpegDecoding, GreyPictureBecomesRgb) {
    // An odd width checks that rows are not assumed to be padded like the image's lines.
    const QImage image = decodeJpeg(greyJpeg(37, 9));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.size(), QSize(37, 9));
    for (int x : {0, 18, 36}) {
        const QColor c = colourAt(image, x, 4);
        EXPECT_EQ(c.red(), c.green());
        EXPECT_EQ(c.green(), c.blue());
        EXPECT_NEAR(c.red(), x * 255 / 36, 8) << "at x " << x;
    }
}

TEST(JpegDecoding, SidesUpToTheLimitDecodeAndLargerAreRefused) {
    const QImage widest = decodeJpeg(greyJpeg(8192, 1));
    EXPECT_EQ(widest.size(), QSize(8192, 1));
    EXPECT_TRUE(decodeJpeg(greyJpeg(8193, 1)).isNull());
    EXPECT_TRUE(decodeJpeg(greyJpeg(1, 8193)).isNull());
}

TEST(JpegDecoding, PictureThatCannotBecomeRgbGivesNullImage) {
    std::vector<unsigned char> cmyk(16 * 16 * 4, 128);
    EXPECT_TRUE(decodeJpeg(encodeJpeg(16, 16, JCS_CMYK, 4, cmyk)).isNull());
}

struct DamageCase {
    const char* name;
    std::function<QByteArray(const QByteArray&)> damage;
};

class DamagedJpeg : public ::testing::TestWithParam<DamageCase> {};

// None of these may end the process (libjpeg's own error handler would) or print warnings
// as a result; each gives a null image.
TEST_P(DamagedJpeg, GivesNullImage) {
    const QByteArray intact = storedFrontPanel();
    ASSERT_GT(intact.size(), 1000);
    ASSERT_FALSE(decodeJpeg(intact).isNull());
    EXPECT_TRUE(decodeJpeg(GetParam().damage(intact)).isNull());
}

QByteArray withEndMarkerInTheScan(QByteArray bytes) {
    // Well inside the entropy-coded data, past the header.
    const qsizetype at = bytes.size() * 2 / 3;
    bytes[at] = static_cast<char>(0xFF);
    bytes[at + 1] = static_cast<char>(0xD9);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, DamagedJpeg,
    ::testing::Values(
        DamageCase{"Empty", [](const QByteArray&) { return QByteArray(); }},
        DamageCase{"NotAPicture",
                   [](const QByteArray&) { return QByteArray("Tivrel-7 pH 7,02\r\n"); }},
        DamageCase{"StartMarkerOnly", [](const QByteArray& b) { return b.left(2); }},
        DamageCase{"HeaderCutShort", [](const QByteArray& b) { return b.left(120); }},
        DamageCase{"CutInHalf", [](const QByteArray& b) { return b.left(b.size() / 2); }},
        DamageCase{"EndMarkerMissing", [](const QByteArray& b) { return b.chopped(2); }},
        DamageCase{"EndMarkerInTheScan", withEndMarkerInTheScan},
        DamageCase{"StartMarkerBroken",
                   [](const QByteArray& b) {
                       QByteArray damaged = b;
                       damaged[1] = 'X';
                       return damaged;
                   }}),
    NameOfCase());

} // namespace
