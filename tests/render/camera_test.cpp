#include "render/camera.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "render/view_state.h"

namespace {

constexpr double SixDecimals = 5e-7;

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitViewConstants();
        ResetViewState();
    }
};

TEST_F(CameraTest, QuarterPiIsTheArctangentOfOne) {
    EXPECT_DOUBLE_EQ(QuarterPi, std::atan(1.0));
    EXPECT_DOUBLE_EQ(DegreesToRadians(180), std::acos(-1.0));
    EXPECT_DOUBLE_EQ(DegreesToRadians(-90), -std::acos(-1.0) / 2);
    EXPECT_EQ(DegreesToRadians(0), 0.0);
}

struct NearCase {
    int distance;
    int clip;
    double nearPlane;
};

const NearCase NearCases[] = {
    // distance, clip, near
    {80, 1, 0.25},
    {80, 3, 0.3},
    {76, 1, 0.1},
    {77, 1, 0.1},  // clip equals half of (distance - 75): the distance branch
    {78, 1, 0.15},
    {90, 7, 0.75},
    {90, 8, 0.8},
    {60, 1, 0.1},
    {-5, 1, 0.1},
    {2075, 1, 100.0},
    {120, 999, 99.9},
    {INT_MIN, 1, 0.1},  // no overflow at the integer limits
    {INT_MAX, 1, (static_cast<double>(INT_MAX) - 75) * 0.05},
};

TEST_F(CameraTest, NearPlaneFollowsDistanceAndClip) {
    for (const NearCase& c : NearCases) {
        EXPECT_DOUBLE_EQ(NearPlane(c.distance, c.clip), c.nearPlane)
            << "distance " << c.distance << ", clip " << c.clip;
    }
}

TEST_F(CameraTest, NearPlaneTakesTheDistanceBranchWhenClipEqualsHalf) {
    // (80, 2): k = 5, h = 2; clip 2 is not above h, so 5 * 0.05 rather than 0.2.
    EXPECT_DOUBLE_EQ(NearPlane(80, 2), 0.25);
    // (80, 3): clip above h, so clip / 10.
    EXPECT_DOUBLE_EQ(NearPlane(80, 3), 0.3);
    // Truncation toward zero: k = -3 gives h = -1, and clip 1 is above it.
    EXPECT_DOUBLE_EQ(NearPlane(72, 1), 0.1);
}

struct CameraCase {
    const char* name;
    int latitude, longitude, yaw, pitch, roll, distance;
    double eye[3], centre[3], up[3];
};

const CameraCase CameraCases[] = {
    // name           lat lon yaw pit rol dist  eye                   centre                     up
    {"start",          0,  0,  0,  0,  0,  80, {8, 0, 0},            {7, 0, 0},                 {0, 0, 1}},
    {"latitude 30",   30,  0,  0,  0,  0,  80, {6.928203, 0, 4},     {6.062178, 0, 3.5},        {-0.5, 0, 0.866025}},
    {"pole",          90, 40,  0,  0,  0,  80, {0, 0, 8},            {0, 0, 7},                 {-0.766044, -0.642788, 0}},
    {"yaw 90",         0,  0, 90,  0,  0,  80, {8, 0, 0},            {8, 1, 0},                 {0, 0, 1}},
    {"pitch 90",       0,  0,  0, 90,  0,  80, {8, 0, 0},            {8, 0, 1},                 {1, 0, 0}},
    {"roll 90",        0,  0,  0,  0, 90,  80, {8, 0, 0},            {7, 0, 0},                 {0, 1, 0}},
    {"longitude 90",   0, 90,  0,  0,  0,  80, {0, 8, 0},            {0, 7, 0},                 {0, 0, 1}},
    {"distance 0",     0,  0,  0,  0,  0,   0, {0, 0, 0},            {-1, 0, 0},                {0, 0, 1}},
    {"distance -20",   0,  0,  0,  0,  0, -20, {-2, 0, 0},           {-3, 0, 0},                {0, 0, 1}},
};

void ExpectVector(const double actual[3], const double expected[3], const char* what,
                  const char* name) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(actual[i], expected[i], SixDecimals) << name << ": " << what << "[" << i << "]";
    }
}

TEST_F(CameraTest, EyeCentreAndUpOfKnownViews) {
    for (const CameraCase& c : CameraCases) {
        const Camera camera =
            ComputeCamera(c.latitude, c.longitude, c.yaw, c.pitch, c.roll, c.distance);
        ExpectVector(camera.eye, c.eye, "eye", c.name);
        ExpectVector(camera.centre, c.centre, "centre", c.name);
        ExpectVector(camera.up, c.up, "up", c.name);
    }
}

double Dot(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

struct AngleSet {
    int latitude, longitude, yaw, pitch, roll, distance;
};

const AngleSet OddViews[] = {
    // lat   lon  yaw pitch roll dist
    {-37, 123, -61,  29, 151,  113},
    { 90, 180, 180,  90, -179, -40},
    {-90, -179, 45, -90,   1,    0},
    { 12,   7, 170, -13, -90, 2075},
};

// Whatever the angles, the centre is one unit along the gaze from the eye,
// the eye lies at distance / 10 from the origin, and up is a unit vector
// across the gaze: gluLookAt never gets a degenerate view.
TEST_F(CameraTest, EveryViewIsWellFormed) {
    for (const AngleSet& v : OddViews) {
        const Camera camera =
            ComputeCamera(v.latitude, v.longitude, v.yaw, v.pitch, v.roll, v.distance);
        const double gaze[3] = {camera.centre[0] - camera.eye[0], camera.centre[1] - camera.eye[1],
                                camera.centre[2] - camera.eye[2]};
        EXPECT_NEAR(Dot(gaze, gaze), 1.0, 1e-12);
        EXPECT_NEAR(Dot(camera.up, camera.up), 1.0, 1e-12);
        EXPECT_NEAR(Dot(camera.up, gaze), 0.0, 1e-12);
        EXPECT_NEAR(std::sqrt(Dot(camera.eye, camera.eye)), std::abs(v.distance) * 0.1, 1e-9);
    }
}

TEST_F(CameraTest, ResetPutsEveryViewVariableBack) {
    distance = -3;
    step = 5;
    clip = 999;
    background[0] = background[1] = background[2] = 0.75f;
    latitude = -90;
    longitude = 180;
    yaw = -179;
    pitch = 90;
    roll = 7;
    lookAround = 1;
    aspect = 1.5f;
    ResetViewState();
    EXPECT_EQ(distance, 80);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(clip, 1);
    for (float channel : background) {
        EXPECT_EQ(channel, 0.25f);
    }
    EXPECT_EQ(latitude, 0);
    EXPECT_EQ(longitude, 0);
    EXPECT_EQ(yaw, 0);
    EXPECT_EQ(pitch, 0);
    EXPECT_EQ(roll, 0);
    EXPECT_EQ(lookAround, 0);
    EXPECT_EQ(aspect, 0.0f);
}

}  // namespace
