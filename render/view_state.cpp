// The view variables live for the whole run with static start values, so the
// first frame and the tile selector can read them before any command ran.
#include "render/view_state.h"

#include <cmath>

int distance = 80;
int step = 1;
int clip = 1;
float background[3] = {0.25f, 0.25f, 0.25f};
int latitude = 0;
int longitude = 0;
int yaw = 0;
int pitch = 0;
int roll = 0;
int lookAround = 0;
float aspect = 0.0f;

double QuarterPi = 0.0;

void InitViewConstants() {
    QuarterPi = std::atan(1.0);
}

void ResetViewState() {
    distance = 80;
    step = 1;
    clip = 1;
    background[0] = 0.25f;
    background[1] = 0.25f;
    background[2] = 0.25f;
    latitude = 0;
    longitude = 0;
    yaw = 0;
    pitch = 0;
    roll = 0;
    lookAround = 0;
    aspect = 0.0f;
}
