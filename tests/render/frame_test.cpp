// Frames on the headless backend, judged by the pixels a person would see.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "geometry/selection.h"
#include "gl_test_window.h"
#include "platform/headless/headless.h"
#include "render/frame.h"
#include "render/scene.h"
#include "render/view_state.h"

namespace {

constexpr int Side = 512;
constexpr int Middle = Side / 2;
const std::uint32_t White = 0xFFFFFF;   // face 0
const std::uint32_t Yellow = 0xFFFF00;  // face 1

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* why = "";
        ASSERT_TRUE(OpenGlTestWindow(Side, Side, gl, &why)) << why;
    }
    void TearDown() override { CloseGlTestWindow(gl); }

    // A paint request as the main window gets it after a change of view.
    void Repaint() {
        InvalidateRect(gl.window, nullptr, FALSE);
        UpdateWindow(gl.window);
    }
    std::uint32_t Pixel(int x, int y) { return HeadlessPixel(gl.window, x, y); }
    std::uint32_t Background() { return PackColour(background[0], background[1], background[2]); }

    GlTestWindow gl;
};

// Bounding box of every pixel that is not background.
struct Box {
    int left = Side, top = Side, right = -1, bottom = -1;
};

Box SolidBounds(HWND window, std::uint32_t backgroundColour) {
    Box box;
    const std::vector<std::uint32_t> pixels = Snapshot(window);
    const int width = HeadlessFrameWidth(window);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (!ColoursClose(pixels[i], backgroundColour)) {
            const int x = static_cast<int>(i) % width;
            const int y = static_cast<int>(i) / width;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST_F(FrameTest, StartViewShowsTheIcosahedronCentredOnGrey) {
    ASSERT_EQ(HeadlessFrameWidth(gl.window), Side);
    ASSERT_EQ(HeadlessFrameHeight(gl.window), Side);
    EXPECT_EQ(Background(), 0x404040u);
    EXPECT_TRUE(ColoursClose(Pixel(4, 4), 0x404040)) << std::hex << Pixel(4, 4);
    // The eye at (8, 0, 0) looks at the edge faces 0 and 1 share; +z is up.
    EXPECT_EQ(Pixel(Middle, Middle - 40), White);
    EXPECT_EQ(Pixel(Middle, Middle + 40), Yellow);

    const Box box = SolidBounds(gl.window, 0x404040);
    ASSERT_GE(box.right, 0) << "nothing but background";
    EXPECT_NEAR((box.left + box.right) / 2.0, Middle, 2.0);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, Middle, 2.0);
    // About 1.2 units of radius seen from 8 units under a 45 degree field.
    EXPECT_GT(box.right - box.left, 120);
    EXPECT_LT(box.right - box.left, 320);
}

TEST_F(FrameTest, StartFrameSetsProjectionAndLeavesModelviewAlone) {
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    double modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    for (int i = 0; i < 16; ++i) {
        EXPECT_DOUBLE_EQ(modelview[i], (i % 5 == 0) ? 1.0 : 0.0) << "element " << i;
    }
    double projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double focal = 1.0 / std::tan(22.5 * std::acos(-1.0) / 180.0);
    EXPECT_NEAR(projection[5], focal, 1e-5);
    EXPECT_NEAR(projection[0], focal, 1e-5);  // aspect 1
    // Near and far back out of the depth terms: 0.25 for distance 80, clip 1.
    const double nearPlane = projection[14] / (projection[10] - 1.0);
    const double farPlane = projection[14] / (projection[10] + 1.0);
    EXPECT_NEAR(nearPlane, 0.25, 1e-4);
    EXPECT_NEAR(farPlane, 100.0, 0.1);
}

TEST_F(FrameTest, NothingSelectedOrOutOfReachShowsOnlyBackground) {
    SelectTiles("");
    Repaint();
    EXPECT_EQ(CountPixelsOtherThan(gl.window, Background()), 0);

    SelectTiles("ABCDEFGHIJKLMNOPQRSTUVW");
    distance = 1200;  // the far plane lies 100 units from the eye
    Repaint();
    EXPECT_EQ(CountPixelsOtherThan(gl.window, Background()), 0);

    distance = -20;  // the eye passes the centre and looks away from it
    SelectTiles("A");
    Repaint();
    EXPECT_EQ(CountPixelsOtherThan(gl.window, Background()), 0);
}

TEST_F(FrameTest, BackgroundGreysFillTheCorners) {
    const float greys[] = {0.0f, 0.25f, 0.75f};
    for (float grey : greys) {
        background[0] = background[1] = background[2] = grey;
        Repaint();
        EXPECT_TRUE(ColoursClose(Pixel(0, 0), PackColour(grey, grey, grey)))
            << "grey " << grey << " gave " << std::hex << Pixel(0, 0);
        EXPECT_TRUE(ColoursClose(Pixel(Side - 1, Side - 1), PackColour(grey, grey, grey)));
        EXPECT_EQ(Pixel(Middle, Middle - 40), White) << "grey " << grey;
    }
}

const Preset& PresetCaptioned(const char* caption) {
    for (const Preset& preset : PresetTable) {
        if (std::strcmp(preset.caption, caption) == 0) {
            return preset;
        }
    }
    ADD_FAILURE() << "no preset " << caption;
    return PresetTable[0];
}

TEST_F(FrameTest, OuterStellationFillsMoreOfTheFrameThanTheIcosahedron) {
    ApplyPreset(PresetCaptioned("1: A").letters);
    BuildSceneList();
    Repaint();
    const int icosahedron = CountPixelsOtherThan(gl.window, Background());
    ApplyPreset(PresetCaptioned("8: H").letters);
    BuildSceneList();
    Repaint();
    const int outermost = CountPixelsOtherThan(gl.window, Background());
    EXPECT_GT(icosahedron, 10000);
    EXPECT_GT(outermost, icosahedron * 3 / 2);
    // Every tile together covers at least the outermost solid's outline.
    SelectTiles("ABCDEFGHIJKLMNOPQRSTUVW");
    Repaint();
    EXPECT_GE(CountPixelsOtherThan(gl.window, Background()), outermost);
}

TEST_F(FrameTest, QuadrilateralBlockBesideTrianglesIsDrawn) {
    // Tile "3" stands out of the face planes around the icosahedron: with both
    // blocks in the list the outline grows beyond either alone.
    SelectTiles("A");
    Repaint();
    const int faces = CountPixelsOtherThan(gl.window, Background());
    SelectTiles("E");
    Repaint();
    const int quadrilaterals = CountPixelsOtherThan(gl.window, Background());
    SelectTiles("AE");
    Repaint();
    const int both = CountPixelsOtherThan(gl.window, Background());
    EXPECT_GT(both, faces);
    EXPECT_GT(both, quadrilaterals);
}

TEST_F(FrameTest, RaisingClipCutsIntoTheSolid) {
    ASSERT_EQ(Pixel(Middle, Middle - 40), White);
    ASSERT_EQ(Pixel(Middle, Middle + 40), Yellow);
    clip = 75;  // the near plane 7.5 units out: it passes 0.5 from the centre
    Repaint();
    EXPECT_NE(Pixel(Middle, Middle - 40), White);
    EXPECT_NE(Pixel(Middle, Middle + 40), Yellow);
    EXPECT_NE(Pixel(Middle, Middle), White);
    // The outline of the solid is still there around the cut.
    EXPECT_GT(CountPixelsOtherThan(gl.window, Background()), 1000);
}

TEST_F(FrameTest, CompilingAgainReplacesTheList) {
    const std::vector<std::uint32_t> icosahedron = Snapshot(gl.window);
    BuildSceneList();
    Repaint();
    EXPECT_EQ(Snapshot(gl.window), icosahedron) << "compiling twice changed the picture";

    SelectTiles("UVW");
    Repaint();
    ASSERT_NE(Snapshot(gl.window), icosahedron);
    SelectTiles("A");
    Repaint();
    EXPECT_EQ(Snapshot(gl.window), icosahedron) << "an earlier selection was left in the list";
}

TEST_F(FrameTest, ResizeSetsViewportAndNextFramesAspect) {
    ASSERT_TRUE(HeadlessResizeClient(gl.window, 800, 600));
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
    EXPECT_EQ(static_cast<double>(aspect), 1.3333333730697632);

    Repaint();
    double projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], 1.3333333730697632, 1e-6);
    EXPECT_EQ(HeadlessFrameWidth(gl.window), 800);
    // Still centred: the solid's middle column sits in the middle of the wider frame.
    EXPECT_EQ(Pixel(400, 300 - 40), White);
    EXPECT_EQ(Pixel(400, 300 + 40), Yellow);
}

TEST_F(FrameTest, EmptyClientAreaSkipsFramesUntilASizeReturns) {
    ASSERT_TRUE(HeadlessResizeClient(gl.window, 800, 600));
    const int swapsBefore = HeadlessSwapCount(gl.window);
    const float aspectBefore = aspect;

    ASSERT_TRUE(HeadlessResizeClient(gl.window, 800, 0));
    Repaint();
    RenderFrame();
    EXPECT_EQ(HeadlessSwapCount(gl.window), swapsBefore);
    EXPECT_EQ(aspect, aspectBefore);
    EXPECT_TRUE(std::isfinite(aspect));
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);

    ASSERT_TRUE(HeadlessResizeClient(gl.window, Side, Side));
    Repaint();
    EXPECT_GT(HeadlessSwapCount(gl.window), swapsBefore);
    EXPECT_EQ(aspect, 1.0f);
    EXPECT_EQ(Pixel(Middle, Middle - 40), White);
    EXPECT_EQ(Pixel(Middle, Middle + 40), Yellow);
}

}  // namespace
