// The camera orbits the fixed solid: the eye sits on a sphere given by
// latitude, longitude and distance, and the gaze is turned inside the eye's
// own frame (outward, east, north) by yaw, pitch and roll.
#include "render/camera.h"

#include <cmath>
#include <cstdint>

#include "render/view_state.h"

double DegreesToRadians(int degrees) {
    return degrees * QuarterPi * (1.0 / 45);
}

namespace {

struct EyeFrame {
    double cL, sL, cO, sO;
};

// Local (outward, east, north) to world; a rotation, so unit vectors stay unit.
void MapEyeFrame(const EyeFrame& f, double x, double y, double z, double out[3]) {
    const double a = x * f.cL - z * f.sL;
    out[0] = a * f.cO - y * f.sO;
    out[1] = a * f.sO + y * f.cO;
    out[2] = x * f.sL + z * f.cL;
}

}  // namespace

Camera ComputeCamera(int latitude, int longitude, int yaw, int pitch, int roll, int distance) {
    const double L = DegreesToRadians(latitude);
    const double O = DegreesToRadians(longitude);
    const double Y = DegreesToRadians(yaw);
    const double P = DegreesToRadians(pitch);
    const double R = DegreesToRadians(roll);
    const EyeFrame f{std::cos(L), std::sin(L), std::cos(O), std::sin(O)};
    const double cY = std::cos(Y), sY = std::sin(Y);
    const double cP = std::cos(P), sP = std::sin(P);
    const double cR = std::cos(R), sR = std::sin(R);
    const double r = distance * 0.1;

    Camera camera{};
    camera.eye[0] = r * f.cL * f.cO;
    camera.eye[1] = r * f.cL * f.sO;
    camera.eye[2] = r * f.sL;
    // The centre is the eye plus the unit gaze, so it is always one unit away.
    MapEyeFrame(f, r - cP * cY, cP * sY, sP, camera.centre);
    MapEyeFrame(f, cR * sP * cY + sR * sY, sR * cY - cR * sP * sY, cR * cP, camera.up);
    return camera;
}

double NearPlane(int distance, int clip) {
    // Widened so that a distance near the integer limits cannot overflow; for
    // every reachable distance this is the same as 32-bit arithmetic.
    const std::int64_t k = static_cast<std::int64_t>(distance) - 75;
    const std::int64_t h = k / 2;
    if (clip > h) {
        return clip * 0.1;
    }
    return static_cast<double>(k) * 0.05;
}
