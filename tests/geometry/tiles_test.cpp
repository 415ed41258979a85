#include "geometry/tiles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/geometry/geometry_support.h"

namespace {

TEST(Determinant3, KnownMatrices) {
    const struct {
        const char* name;
        double m[9];
        double expected;
    } rows[] = {
        {"identity", {1, 0, 0, 0, 1, 0, 0, 0, 1}, 1.0},
        {"rows swapped", {0, 1, 0, 1, 0, 0, 0, 0, 1}, -1.0},
        {"dependent rows", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0.0},
        {"general", {2, -3, 1, 2, 0, -1, 1, 4, 5}, 49.0},
        // Terms of very different sizes, so rounding depends on the order in
        // which the six are added. Together these two results come only from
        // the fixed order (the exact values are 2^27 and 67108863.25).
        {"fixed order of terms, first",
         {-1, -0.5, 1, -0x1p-27, -0x1p-27, 0x1p27, 2, 2, -2},
         0x1.0000000000001p+27},
        {"fixed order of terms, second",
         {-0x1p27, 2, 0.5, -0.5, 1, 0x1p-27, 0.5, -0x1p-27, -0.5},
         0x1.ffffffa000001p+25},
    };
    for (const auto& row : rows) {
        const double* m = row.m;
        EXPECT_EQ(Determinant3(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]), row.expected)
            << row.name;
    }
}

TEST(IntersectPlanes, MeetsAllThreePlanes) {
    EnsureGeometryBuilt();
    float out[3];
    IntersectPlanes(FaceNormals[0], 0, 1, 19, out);
    EXPECT_NEAR(out[0], 1.0, 1e-6);
    EXPECT_NEAR(out[1], -Tau, 1e-6);
    EXPECT_NEAR(out[2], 0.0, 1e-6);
    // In another arrangement the positions name other faces.
    const int j = 37;
    const double* n0 = FaceNormals[ArrangementTable[j].entry[0].id];
    IntersectPlanes(n0, j, 13, 10, out);
    const double point[3] = {out[0], out[1], out[2]};
    for (const double* n : {n0, static_cast<const double*>(FaceNormals[ArrangementTable[j].entry[13].id]),
                            static_cast<const double*>(FaceNormals[ArrangementTable[j].entry[10].id])}) {
        EXPECT_NEAR(Dot(n, point), PlaneDistance, 2e-6);
    }
}

TEST(TileVertices, KnownCornersInArrangementZero) {
    EnsureGeometryBuilt();
    const double t = 0.6180339887498949;
    const struct {
        const char* label;
        int tile;
        int corners;
        double corner[4][3];
    } rows[] = {
        {"1", 1, 3, {{1, -t, 0}, {1.1708, 0, -0.4472}, {1, t, 0}}},
        {"3", 4, 4, {{1.309, -0.5, -0.809}, {1.382, 0, -1}, {1.309, 0.5, -0.809}, {1.1708, 0, -0.4472}}},
        {"14", 22, 3, {{1, -2.618, 0}, {2.618, -8.4721, -4.2361}, {1.618, -1.618, -1.618}}},
    };
    for (const auto& row : rows) {
        for (int c = 0; c < row.corners; ++c) {
            for (int x = 0; x < 3; ++x) {
                EXPECT_NEAR(TileVertices[0][row.tile][c][x], row.corner[c][x], 5e-5)
                    << "tile " << row.label << " corner " << c << " axis " << x;
            }
        }
    }
    // Tile 1's outer corners are vertices 3 and 0 of face 0: it rests on that edge.
    for (int x = 0; x < 3; ++x) {
        EXPECT_NEAR(TileVertices[0][1][0][x], IcosaVertices[3][x], 1e-6);
        EXPECT_NEAR(TileVertices[0][1][2][x], IcosaVertices[0][x], 1e-6);
    }
}

TEST(TileVertices, EveryCornerLiesInItsBasePlane) {
    EnsureGeometryBuilt();
    for (int j = 0; j < ArrangementCount; ++j) {
        const double* n0 = FaceNormals[ArrangementTable[j].entry[0].id];
        for (int k = 1; k < TileCount; ++k) {
            const Polygon tile = StoredTile(j, k);
            for (int c = 0; c < tile.count; ++c) {
                // Float storage: allow a few units of rounding at the corner's size.
                const double size = std::sqrt(Dot(tile.corner[c], tile.corner[c]));
                EXPECT_NEAR(Dot(n0, tile.corner[c]), PlaneDistance, 4e-7 * (1.0 + size))
                    << "arrangement " << j << " tile " << k << " corner " << c;
            }
        }
    }
}

TEST(TileVertices, UnusedSlotsAreExactlyZero) {
    EnsureGeometryBuilt();
    for (int j = 0; j < ArrangementCount; ++j) {
        for (int c = 0; c < 4; ++c) {
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(TileVertices[j][0][c][x], 0.0f) << "tile 0, arrangement " << j;
            }
        }
        for (int k = 1; k < TileCount; ++k) {
            if (IsQuadrilateralTile(k)) {
                continue;
            }
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(TileVertices[j][k][3][x], 0.0f) << "arrangement " << j << " tile " << k;
            }
        }
    }
}

// Counter-clockwise seen from outside, and convex: every turn from one side
// to the next bends the same way as the base face's outward normal.
TEST(TileVertices, EveryTileIsConvexAndCounterClockwiseFromOutside) {
    EnsureGeometryBuilt();
    for (int j = 0; j < ArrangementCount; ++j) {
        const double* n0 = FaceNormals[ArrangementTable[j].entry[0].id];
        for (int k = 1; k < TileCount; ++k) {
            const Polygon tile = StoredTile(j, k);
            for (int c = 0; c < tile.count; ++c) {
                double turn[3];
                Cross(tile.corner[c], tile.corner[(c + 1) % tile.count],
                      tile.corner[(c + 2) % tile.count], turn);
                EXPECT_GT(Dot(turn, n0), 1e-6) << "arrangement " << j << " tile " << k << " corner " << c;
            }
        }
    }
}

TEST(TileVertices, MirrorPairsHaveEqualAreas) {
    EnsureGeometryBuilt();
    const struct {
        const char* name;
        int right, left;
    } pairs[] = {{"2", 2, 3},    {"4", 5, 6},    {"5", 7, 8},    {"6", 9, 10},
                 {"9", 13, 14},  {"10", 15, 16}, {"11", 17, 18}, {"13", 20, 21}};
    for (const auto& pair : pairs) {
        const double right = PolygonArea(StoredTile(0, pair.right));
        EXPECT_GT(right, 1e-3) << pair.name;
        EXPECT_NEAR(right, PolygonArea(StoredTile(0, pair.left)), 1e-5 * right) << pair.name;
    }
}

// The same tile is congruent in every arrangement: the rotations move it,
// they never stretch it.
TEST(TileVertices, EachTileKeepsItsAreaInEveryArrangement) {
    EnsureGeometryBuilt();
    for (int k = 1; k < TileCount; ++k) {
        const double reference = PolygonArea(StoredTile(0, k));
        for (int j = 1; j < ArrangementCount; ++j) {
            EXPECT_NEAR(PolygonArea(StoredTile(j, k)), reference, 1e-5 * reference)
                << "tile " << k << " arrangement " << j;
        }
    }
}

}  // namespace
