// Icon images of a resource module as Qt images, bad rows included.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/qt/qt_icons.h"

namespace {

const std::uint32_t Palette[16] = {0x00000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

TEST(QtIcons, EachDigitNamesItsPaletteColour) {
    const char* const rows[] = {"0123", "3210", "1111", "2222"};
    const QImage image = ImageFromIconImage(IconImage{4, Palette, rows});
    ASSERT_EQ(image.size(), QSize(4, 4));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(1, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(2, 0), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(3, 0), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(3, 3), 0xFF00FF00u);
}

TEST(QtIcons, BadRowsGiveTransparentPixelsAndBadImagesNone) {
    const char* const rows[] = {"1x1", "1", nullptr};
    const QImage image = ImageFromIconImage(IconImage{3, Palette, rows});
    ASSERT_EQ(image.size(), QSize(3, 3));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0) << "not a hexadecimal digit";
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0) << "row too short";
    EXPECT_EQ(qAlpha(image.pixel(0, 2)), 0) << "row missing";

    EXPECT_TRUE(ImageFromIconImage(IconImage{3, nullptr, rows}).isNull());
    EXPECT_TRUE(ImageFromIconImage(IconImage{0, Palette, rows}).isNull());
    EXPECT_TRUE(ImageFromIconImage(IconImage{100000, Palette, rows}).isNull());
    EXPECT_FALSE(ImageFromIconImage(IconImage{2, Palette, nullptr}).isNull());
}

}  // namespace
