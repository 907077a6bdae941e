// The Moon disc, drawn into an image and read back pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "gui/moon_disc.h"

namespace skyledger {
namespace {

constexpr double PI = 3.14159265358979;
const QRgb GROUND = qRgb(192, 192, 192);

QImage drawDisc(double phase, int cellWidth, int cellHeight, int inset, bool southern) {
    QImage image(cellWidth, cellHeight, QImage::Format_RGB32);
    image.fill(GROUND);
    QPainter painter(&image);
    drawMoonDisc(painter, {0, 0, cellWidth, cellHeight}, phase, inset, southern);
    return image;
}

bool isWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
bool isBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// Lit (white) pixels on the middle row left and right of the centre line.
struct LitHalves {
    int left = 0;
    int right = 0;
};
LitHalves litOnMiddleRow(const QImage& image) {
    LitHalves lit;
    const int y = image.height() / 2;
    const int cx = image.width() / 2;
    for (int x = 0; x < image.width(); ++x)
        if (isWhite(image, x, y)) (x < cx ? lit.left : lit.right)++;
    return lit;
}

TEST(MoonDisc, NewMoonIsDarkAndFullMoonIsLit) {
    const QImage fresh = drawDisc(0.0, 40, 40, 2, false);
    const QImage full = drawDisc(PI, 40, 40, 2, false);
    for (int x = 8; x < 32; ++x) {
        EXPECT_TRUE(isBlack(fresh, x, 20)) << x;
        EXPECT_TRUE(isWhite(full, x, 20)) << x;
    }
}

TEST(MoonDisc, WaxingMoonIsLitOnTheRightAndWaningOnTheLeftInTheNorth) {
    const LitHalves crescent = litOnMiddleRow(drawDisc(0.8, 40, 40, 2, false));
    EXPECT_EQ(crescent.left, 0);
    EXPECT_GT(crescent.right, 3);
    EXPECT_LT(crescent.right, 16);

    const LitHalves firstQuarter = litOnMiddleRow(drawDisc(PI / 2, 40, 40, 2, false));
    EXPECT_EQ(firstQuarter.left, 0);
    EXPECT_GE(firstQuarter.right, 16);

    const LitHalves gibbous = litOnMiddleRow(drawDisc(2.4, 40, 40, 2, false));
    EXPECT_GT(gibbous.left, 3);
    EXPECT_GE(gibbous.right, 16);

    const LitHalves lastQuarter = litOnMiddleRow(drawDisc(3 * PI / 2, 40, 40, 2, false));
    EXPECT_GE(lastQuarter.left, 16);
    EXPECT_EQ(lastQuarter.right, 0);
}

TEST(MoonDisc, TheQuarterThresholdsLieJustBelowTheQuarters) {
    // At a quarter the two neighbouring cases draw the same picture, so the
    // case is read from the fills: 1.57079632675 already starts from a dark
    // disc, 1.5707963267 is still a crescent on a white one.
    EXPECT_FALSE(discFills(1.57079632675, false).baseLit);
    EXPECT_TRUE(discFills(1.5707963267, false).baseLit);
    EXPECT_TRUE(discFills(PI / 2, false).rightHalf);
    EXPECT_FALSE(discFills(3.1415926535, false).rightHalf);
    EXPECT_TRUE(discFills(3.1415926534, false).rightHalf);
    EXPECT_TRUE(discFills(4.71238898025, false).baseLit);
    EXPECT_FALSE(discFills(4.71238898024, false).baseLit);
}

TEST(MoonDisc, AnglesOutsideOneTurnStillDrawANearlyNewMoon) {
    for (double phase : {-0.1, 6.4}) {
        const LitHalves lit = litOnMiddleRow(drawDisc(phase, 40, 40, 2, false));
        EXPECT_LE(lit.left + lit.right, 2) << phase;
    }
}

TEST(MoonDisc, TheSouthernPictureIsTheNorthernMirrored) {
    // An even cell with the centre line at 20: the mirror maps column x to 39 - x
    // except for the pixels split by the centre line, so compare lit counts.
    for (double phase : {0.8, 2.4, 4.0, 5.5}) {
        const LitHalves north = litOnMiddleRow(drawDisc(phase, 40, 40, 2, false));
        const LitHalves south = litOnMiddleRow(drawDisc(phase, 40, 40, 2, true));
        EXPECT_NEAR(north.left, south.right, 1) << phase;
        EXPECT_NEAR(north.right, south.left, 1) << phase;
    }
}

TEST(MoonDisc, InsetOneInASixteenPixelCellGivesAFourteenPixelDisc) {
    const QImage image = drawDisc(PI, 16, 16, 1, false);
    int first = -1, last = -1;
    for (int x = 0; x < 16; ++x) {
        if (image.pixel(x, 8) != GROUND) {
            if (first < 0) first = x;
            last = x;
        }
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 14);
    // Nothing is drawn on the cell's own edges.
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(image.pixel(0, i), GROUND);
        EXPECT_EQ(image.pixel(15, i), GROUND);
    }
}

TEST(MoonDisc, AnOddCellSplitsAtTheTruncatedCentreLine) {
    // Cell 0..15 wide: the centre line is 7; at first quarter columns 7 and
    // right of it are lit, 6 and left of it dark.
    const QImage image = drawDisc(PI / 2 + 0.001, 15, 15, 0, false);
    EXPECT_TRUE(isWhite(image, 7, 7));
    EXPECT_TRUE(isBlack(image, 6, 7));
}

TEST(MoonDisc, TheOutlineIsDarkGrey) {
    const QImage image = drawDisc(PI, 40, 40, 2, false);
    EXPECT_EQ(image.pixel(2, 20), qRgb(64, 64, 64));
    EXPECT_EQ(image.pixel(37, 20), qRgb(64, 64, 64));
    EXPECT_EQ(image.pixel(20, 2), qRgb(64, 64, 64));
}

TEST(MoonDisc, ANonSquareCellGivesAnEllipse) {
    const QImage image = drawDisc(PI, 60, 30, 2, false);
    EXPECT_TRUE(isWhite(image, 5, 15));
    EXPECT_TRUE(isWhite(image, 54, 15));
    EXPECT_EQ(image.pixel(30, 1), GROUND);
    EXPECT_TRUE(isWhite(image, 30, 5));
}

} // namespace
} // namespace skyledger
