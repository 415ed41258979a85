// Helpers shared by the geometry tests: building the model once per process
// and reading the drawn surface back as plain polygons.
#pragma once

#include <vector>

struct Polygon {
    int count;  // 3 or 4
    double corner[4][3];
};

// InitModelConstants and BuildGeometry, once per test process.
void EnsureGeometryBuilt();

// The three quadrilateral tiles ("3", "7", "8"); every other tile is a triangle.
bool IsQuadrilateralTile(int tile);

// Every polygon the viewer draws for a letter string: the 20 faces from the
// vertex table for tile 0, each other tile in all 60 arrangements.
std::vector<Polygon> PresetPolygons(const char* letters);
// The same surface from the corners before they are rounded for storage.
std::vector<Polygon> ExactPresetPolygons(const char* letters);

// Tile k of arrangement j as stored.
Polygon StoredTile(int arrangement, int tile);
// Tile k of arrangement j from the unrounded plane crossings, by the same
// side rule as the stored corners.
Polygon ExactTile(int arrangement, int tile);

double PolygonArea(const Polygon& polygon);
// Cross product of (b - a) and (c - a).
void Cross(const double a[3], const double b[3], const double c[3], double out[3]);
double Dot(const double a[3], const double b[3]);

// True when both lists hold the same polygons, each matched once, corners
// within tolerance, whatever the order of the polygons, the starting corner
// or the direction the corners run.
bool SamePolygonSets(const std::vector<Polygon>& a, const std::vector<Polygon>& b,
                     double tolerance);
