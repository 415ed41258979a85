// One-time GL set-up, the resize rule and the drawing of one frame. The
// solid stays at the origin; a frame only sets the projection and the camera
// and calls the scene list.
#include "render/frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/camera.h"
#include "render/scene.h"
#include "render/view_state.h"

HDC MainDC = nullptr;
HWND TileSelector = nullptr;

namespace {

constexpr double FieldOfViewDegrees = 45.0;
constexpr double FarPlane = 100.0;
constexpr double StartNearPlane = 0.1;

// A minimised window has no client area: there is no aspect to take from it
// and nothing to show, so frames wait until a real size comes back.
bool ClientAreaEmpty = false;

bool IsEmptyArea(int width, int height) {
    return width <= 0 || height <= 0;
}

}  // namespace

void InitGL(int width, int height) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);  // replaced by the background each frame
    glClearDepth(1.0);                      // everything drawn is nearer than a cleared pixel
    glEnable(GL_DEPTH_TEST);                // tile blocks go out in any order; depth sorts them
    glMatrixMode(GL_PROJECTION);            // a start projection; every frame rebuilds it
    ClientAreaEmpty = IsEmptyArea(width, height);
    if (!ClientAreaEmpty) {
        aspect = static_cast<float>(static_cast<double>(width) / height);
        gluPerspective(FieldOfViewDegrees, aspect, StartNearPlane, FarPlane);
    }
    glMatrixMode(GL_MODELVIEW);  // left as the current mode between frames
    BuildSceneList();
}

void ApplyResizeRule(int width, int height) {
    ClientAreaEmpty = IsEmptyArea(width, height);
    if (ClientAreaEmpty) {
        return;  // the last good viewport and aspect stay for when it returns
    }
    glViewport(0, 0, width, height);
    aspect = static_cast<float>(static_cast<double>(width) / height);
}

void RenderFrame() {
    if (ClientAreaEmpty) {
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FieldOfViewDegrees, static_cast<double>(aspect), NearPlane(distance, clip),
                   FarPlane);
    glMatrixMode(GL_MODELVIEW);

    glClearColor(background[0], background[1], background[2], 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    const Camera camera = ComputeCamera(latitude, longitude, yaw, pitch, roll, distance);
    gluLookAt(camera.eye[0], camera.eye[1], camera.eye[2], camera.centre[0], camera.centre[1],
              camera.centre[2], camera.up[0], camera.up[1], camera.up[2]);
    glCallList(SceneList);
    glPopMatrix();

    SwapBuffers(MainDC);
    if (TileSelector != nullptr) {
        UpdateStatusFields(TileSelector);
    }
}
