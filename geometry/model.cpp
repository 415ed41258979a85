#include "geometry/model.h"

#include <cmath>

double Tau;
double PlaneDistance;
double IcosaVertices[VertexCount][3];
double FaceNormals[FaceCount][3];

// Each triple runs counter-clockwise seen from outside the solid. The walk over
// the rotations reads the first two indices of entry 0, so the order matters.
// clang-format off
const FaceEntry FaceTable[FaceCount] = {
    // first, second, third vertex, id
    { { 0,  8,  3},  0},
    { { 3,  9,  0},  1},
    { { 1, 10,  2},  2},
    { { 2, 11,  1},  3},
    { { 4,  0,  7},  4},
    { { 7,  1,  4},  5},
    { { 5,  2,  6},  6},
    { { 6,  3,  5},  7},
    { { 8,  4, 11},  8},
    { {11,  5,  8},  9},
    { { 9,  6, 10}, 10},
    { {10,  7,  9}, 11},
    { { 0,  4,  8}, 12},
    { { 0,  9,  7}, 13},
    { { 1, 11,  4}, 14},
    { { 1,  7, 10}, 15},
    { { 2,  5, 11}, 16},
    { { 2, 10,  6}, 17},
    { { 3,  8,  5}, 18},
    { { 3,  6,  9}, 19},
};

const float FaceColors[FaceCount][3] = {
    // red,  green, blue        face id
    {1.0f,  1.0f,  1.0f },   //  0
    {1.0f,  1.0f,  0.0f },   //  1
    {0.5f,  0.5f,  0.5f },   //  2
    {0.5f,  0.5f,  0.0f },   //  3
    {1.0f,  0.0f,  0.5f },   //  4
    {0.0f,  0.5f,  0.25f},   //  5
    {0.5f,  0.0f,  0.25f},   //  6
    {0.0f,  1.0f,  0.5f },   //  7
    {0.5f,  0.0f,  1.0f },   //  8
    {0.0f,  0.5f,  1.0f },   //  9
    {0.25f, 0.0f,  0.5f },   // 10
    {0.0f,  0.25f, 0.5f },   // 11
    {1.0f,  0.0f,  1.0f },   // 12
    {1.0f,  0.5f,  0.0f },   // 13
    {0.25f, 0.5f,  0.0f },   // 14
    {0.0f,  0.5f,  0.5f },   // 15
    {0.5f,  0.25f, 0.0f },   // 16
    {0.5f,  0.0f,  0.5f },   // 17
    {0.0f,  1.0f,  1.0f },   // 18
    {0.5f,  1.0f,  0.0f },   // 19
};
// clang-format on

void InitModelConstants() {
    Tau = (std::sqrt(5.0) - 1.0) * 0.5;
    const double t = Tau;
    // clang-format off
    const double vertices[VertexCount][3] = {
        // x,    y,    z         vertex
        { 1.0,   t,  0.0},    //  0
        {-1.0,   t,  0.0},    //  1
        {-1.0,  -t,  0.0},    //  2
        { 1.0,  -t,  0.0},    //  3
        { 0.0, 1.0,    t},    //  4
        { 0.0,-1.0,    t},    //  5
        { 0.0,-1.0,   -t},    //  6
        { 0.0, 1.0,   -t},    //  7
        {   t, 0.0,  1.0},    //  8
        {   t, 0.0, -1.0},    //  9
        {  -t, 0.0, -1.0},    // 10
        {  -t, 0.0,  1.0},    // 11
    };
    // clang-format on
    for (int v = 0; v < VertexCount; ++v) {
        for (int c = 0; c < 3; ++c) {
            IcosaVertices[v][c] = vertices[v][c];
        }
    }
    PlaneDistance = std::sqrt((std::sqrt(5.0) + 3.0) * 0.16666666666666666);
}

static void FaceVertexSum(int face, double sum[3]) {
    for (int c = 0; c < 3; ++c) {
        sum[c] = IcosaVertices[FaceTable[face].vertex[0]][c] +
                 IcosaVertices[FaceTable[face].vertex[1]][c] +
                 IcosaVertices[FaceTable[face].vertex[2]][c];
    }
}

void ComputeFaceNormals() {
    // Every face lies at the same distance from the centre, so one length
    // (face 0's) turns every vertex sum into a unit normal.
    double sum[3];
    FaceVertexSum(0, sum);
    const double length = std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]);
    for (int f = 0; f < FaceCount; ++f) {
        FaceVertexSum(f, sum);
        for (int c = 0; c < 3; ++c) {
            FaceNormals[f][c] = sum[c] / length;
        }
    }
}
