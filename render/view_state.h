// The view of the solid: where the eye is, where it looks, the near-clip
// distance, the keyboard step and the background. The solid never moves;
// every change of view moves the camera.
#pragma once

extern int distance;  // tenths of a model unit; 80 puts the eye 8 units out
extern int step;      // 1, 2 or 5
extern int clip;      // least near-plane distance, tenths of a unit, 1..999
extern float background[3];
extern int latitude;    // degrees, -90..90
extern int longitude;   // degrees, -179..180
extern int yaw;         // degrees, -179..180
extern int pitch;       // degrees, -90..90
extern int roll;        // degrees, -179..180
extern int lookAround;  // 1 once a gaze key was pressed since the last reset
extern float aspect;    // client width / height; 0 until InitGL

extern double QuarterPi;  // pi / 4, set by InitViewConstants

// Computes QuarterPi; runs once before any window.
void InitViewConstants();
// Puts every view variable back to its value at program start (for tests
// that start the program more than once in one process).
void ResetViewState();
