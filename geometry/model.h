// The regular icosahedron every stellation is cut from: two constants, the
// 12 vertices, the 20 faces (vertex triples counter-clockwise seen from
// outside, plus the face id), one colour per face, and the unit face normals.
#pragma once

#include <cstdint>

inline constexpr int VertexCount = 12;
inline constexpr int FaceCount = 20;

// One face record: three vertex indices and the id of the face whose plane,
// normal and colour they stand for. An arrangement is 20 of these.
struct FaceEntry {
    std::int8_t vertex[3];
    std::int8_t id;
    friend bool operator==(const FaceEntry&, const FaceEntry&) = default;
};

extern double Tau;            // (sqrt 5 - 1) / 2, set by InitModelConstants
extern double PlaneDistance;  // distance of every face plane from the centre
extern double IcosaVertices[VertexCount][3];
extern const FaceEntry FaceTable[FaceCount];
extern const float FaceColors[FaceCount][3];
extern double FaceNormals[FaceCount][3];  // filled by ComputeFaceNormals

// Computes Tau, the vertices and PlaneDistance; runs once before any window.
void InitModelConstants();
// Fills FaceNormals; the first step of BuildGeometry.
void ComputeFaceNormals();
