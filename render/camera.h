// Camera and near-plane arithmetic: pure functions of the view variables.
#pragma once

struct Camera {
    double eye[3];
    double centre[3];
    double up[3];
};

// Eye, centre and up from the five angles (degrees) and distance (tenths).
Camera ComputeCamera(int latitude, int longitude, int yaw, int pitch, int roll, int distance);

// Near-plane distance in model units for the given distance and clip.
double NearPlane(int distance, int clip);

// Degrees to radians as the frame does it: degrees * QuarterPi * (1/45).
double DegreesToRadians(int degrees);
