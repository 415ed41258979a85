// The 22 regions of the stellation diagram, each a triangle or quadrilateral
// whose sides lie where other face planes cut the base plane, and their
// corners in all 60 arrangements.
#pragma once

#include "arrangements.h"

inline constexpr int TileCount = 23;  // tile 0 is the face itself; 1..22 are diagram regions

// Sides a, b, c (and d) as positions of an arrangement; d == 0 marks a triangle.
struct TileSides {
    std::int8_t side[4];
};
extern const TileSides TileTable[TileCount - 1];  // row k - 1 is tile k

// [arrangement][tile][corner][x, y, z]; tile 0's row is unused and zero,
// and corner 3 of a triangle is (0, 0, 0).
extern float TileVertices[ArrangementCount][TileCount][4][3];

double Determinant3(double a, double b, double c, double d, double e, double f, double g,
                    double h, double i);
void IntersectPlanes(const double n0[3], int j, int p, int q, float out[3]);
// The same crossing before it is rounded for storage.
void IntersectPlanesExact(const double n0[3], int j, int p, int q, double out[3]);
void BuildTileVertices();
// Face normals, the 60 arrangements, then every tile corner; once per run.
void BuildGeometry();
