#include "tests/geometry/geometry_support.h"

#include <cmath>

#include "geometry/model.h"
#include "geometry/tiles.h"

void EnsureGeometryBuilt() {
    static bool built = false;
    if (!built) {
        InitModelConstants();
        BuildGeometry();
        built = true;
    }
}

bool IsQuadrilateralTile(int tile) {
    return tile == 4 || tile == 11 || tile == 12;
}

Polygon StoredTile(int arrangement, int tile) {
    Polygon polygon{IsQuadrilateralTile(tile) ? 4 : 3, {}};
    for (int c = 0; c < polygon.count; ++c) {
        for (int x = 0; x < 3; ++x) {
            polygon.corner[c][x] = TileVertices[arrangement][tile][c][x];
        }
    }
    return polygon;
}

Polygon ExactTile(int arrangement, int tile) {
    const double* n0 = FaceNormals[ArrangementTable[arrangement].entry[0].id];
    const std::int8_t* side = TileTable[tile - 1].side;
    Polygon polygon{IsQuadrilateralTile(tile) ? 4 : 3, {}};
    for (int c = 0; c < polygon.count; ++c) {
        IntersectPlanesExact(n0, arrangement, side[c], side[(c + 1) % polygon.count],
                             polygon.corner[c]);
    }
    return polygon;
}

static std::vector<Polygon> SurfaceOf(const char* letters, Polygon (*tileOf)(int, int)) {
    std::vector<Polygon> polygons;
    for (const char* c = letters; *c != '\0'; ++c) {
        const int tile = *c - 'A';
        if (tile == 0) {
            for (int f = 0; f < FaceCount; ++f) {
                Polygon face{3, {}};
                for (int v = 0; v < 3; ++v) {
                    for (int x = 0; x < 3; ++x) {
                        face.corner[v][x] = IcosaVertices[FaceTable[f].vertex[v]][x];
                    }
                }
                polygons.push_back(face);
            }
            continue;
        }
        for (int j = 0; j < ArrangementCount; ++j) {
            polygons.push_back(tileOf(j, tile));
        }
    }
    return polygons;
}

std::vector<Polygon> PresetPolygons(const char* letters) {
    return SurfaceOf(letters, StoredTile);
}

std::vector<Polygon> ExactPresetPolygons(const char* letters) {
    return SurfaceOf(letters, ExactTile);
}

void Cross(const double a[3], const double b[3], const double c[3], double out[3]) {
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    out[0] = u[1] * v[2] - u[2] * v[1];
    out[1] = u[2] * v[0] - u[0] * v[2];
    out[2] = u[0] * v[1] - u[1] * v[0];
}

double Dot(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

double PolygonArea(const Polygon& polygon) {
    // Fan from corner 0; the polygon is planar, so the summed cross products
    // are twice the area vector.
    double sum[3] = {0.0, 0.0, 0.0};
    for (int c = 1; c + 1 < polygon.count; ++c) {
        double part[3];
        Cross(polygon.corner[0], polygon.corner[c], polygon.corner[c + 1], part);
        for (int x = 0; x < 3; ++x) {
            sum[x] += part[x];
        }
    }
    return 0.5 * std::sqrt(Dot(sum, sum));
}

static bool SameCorner(const double a[3], const double b[3], double tolerance) {
    for (int x = 0; x < 3; ++x) {
        if (std::fabs(a[x] - b[x]) > tolerance) {
            return false;
        }
    }
    return true;
}

static bool SamePolygon(const Polygon& a, const Polygon& b, double tolerance) {
    if (a.count != b.count) {
        return false;
    }
    const int n = a.count;
    for (int start = 0; start < n; ++start) {
        for (int direction : {1, -1}) {
            bool all = true;
            for (int c = 0; c < n && all; ++c) {
                const int k = ((start + direction * c) % n + n) % n;
                all = SameCorner(a.corner[c], b.corner[k], tolerance);
            }
            if (all) {
                return true;
            }
        }
    }
    return false;
}

bool SamePolygonSets(const std::vector<Polygon>& a, const std::vector<Polygon>& b,
                     double tolerance) {
    if (a.size() != b.size()) {
        return false;
    }
    std::vector<bool> used(b.size(), false);
    for (const Polygon& polygon : a) {
        bool found = false;
        for (std::size_t i = 0; i < b.size() && !found; ++i) {
            if (!used[i] && SamePolygon(polygon, b[i], tolerance)) {
                used[i] = true;
                found = true;
            }
        }
        if (!found) {
            return false;
        }
    }
    return true;
}
