#include "geometry/model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/geometry/geometry_support.h"

namespace {

TEST(ModelConstants, TauAndPlaneDistance) {
    InitModelConstants();
    EXPECT_DOUBLE_EQ(Tau, 0.6180339887498949);
    EXPECT_DOUBLE_EQ(PlaneDistance, 0.9341723589627157);
}

TEST(ModelConstants, VerticesFormARegularIcosahedron) {
    InitModelConstants();
    const double t = Tau;
    // Spot rows from each coordinate family of the vertex table.
    const struct {
        int vertex;
        double x, y, z;
    } rows[] = {{0, 1, t, 0}, {2, -1, -t, 0}, {5, 0, -1, t}, {7, 0, 1, -t}, {9, t, 0, -1}, {11, -t, 0, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.vertex);
        EXPECT_DOUBLE_EQ(IcosaVertices[row.vertex][0], row.x);
        EXPECT_DOUBLE_EQ(IcosaVertices[row.vertex][1], row.y);
        EXPECT_DOUBLE_EQ(IcosaVertices[row.vertex][2], row.z);
    }
    const double radius = std::sqrt(1.0 + t * t);
    for (int v = 0; v < VertexCount; ++v) {
        EXPECT_NEAR(std::sqrt(Dot(IcosaVertices[v], IcosaVertices[v])), radius, 1e-12) << v;
    }
    // Every face edge has length 2 Tau, and every vertex meets exactly five faces.
    int faces_at[VertexCount] = {};
    for (int f = 0; f < FaceCount; ++f) {
        for (int e = 0; e < 3; ++e) {
            const double* a = IcosaVertices[FaceTable[f].vertex[e]];
            const double* b = IcosaVertices[FaceTable[f].vertex[(e + 1) % 3]];
            const double d[3] = {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
            EXPECT_NEAR(std::sqrt(Dot(d, d)), 2.0 * t, 1e-12) << "face " << f;
            ++faces_at[FaceTable[f].vertex[e]];
        }
        EXPECT_EQ(FaceTable[f].id, f);
    }
    for (int v = 0; v < VertexCount; ++v) {
        EXPECT_EQ(faces_at[v], 5) << v;
    }
}

TEST(FaceNormals, FaceZeroMatchesKnownValue) {
    InitModelConstants();
    ComputeFaceNormals();
    EXPECT_NEAR(FaceNormals[0][0], 0.934172, 5e-7);
    EXPECT_EQ(FaceNormals[0][1], 0.0);
    EXPECT_NEAR(FaceNormals[0][2], 0.356822, 5e-7);
    EXPECT_NEAR(Dot(FaceNormals[0], IcosaVertices[0]), PlaneDistance, 1e-15);
}

TEST(FaceNormals, EveryFaceIsAUnitNormalAtPlaneDistanceFacingOutward) {
    InitModelConstants();
    ComputeFaceNormals();
    for (int f = 0; f < FaceCount; ++f) {
        SCOPED_TRACE(f);
        EXPECT_NEAR(Dot(FaceNormals[f], FaceNormals[f]), 1.0, 1e-14);
        for (int v = 0; v < 3; ++v) {
            EXPECT_NEAR(Dot(FaceNormals[f], IcosaVertices[FaceTable[f].vertex[v]]), PlaneDistance,
                        1e-14);
        }
        // Counter-clockwise seen from outside: the winding normal points outward.
        double winding[3];
        Cross(IcosaVertices[FaceTable[f].vertex[0]], IcosaVertices[FaceTable[f].vertex[1]],
              IcosaVertices[FaceTable[f].vertex[2]], winding);
        EXPECT_GT(Dot(winding, FaceNormals[f]), 0.0);
    }
}

TEST(FaceNormals, OppositeFacesHaveOppositeNormals) {
    InitModelConstants();
    ComputeFaceNormals();
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(FaceNormals[2][c], -FaceNormals[0][c]) << c;
    }
}

TEST(FaceColors, SpotValuesAndEveryFaceDistinct) {
    const struct {
        int face;
        float r, g, b;
    } rows[] = {{0, 1, 1, 1}, {2, 0.5f, 0.5f, 0.5f}, {5, 0, 0.5f, 0.25f}, {10, 0.25f, 0, 0.5f}, {19, 0.5f, 1, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.face);
        EXPECT_EQ(FaceColors[row.face][0], row.r);
        EXPECT_EQ(FaceColors[row.face][1], row.g);
        EXPECT_EQ(FaceColors[row.face][2], row.b);
    }
    for (int a = 0; a < FaceCount; ++a) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_GE(FaceColors[a][c], 0.0f);
            EXPECT_LE(FaceColors[a][c], 1.0f);
        }
        for (int b = a + 1; b < FaceCount; ++b) {
            const bool same = FaceColors[a][0] == FaceColors[b][0] &&
                              FaceColors[a][1] == FaceColors[b][1] &&
                              FaceColors[a][2] == FaceColors[b][2];
            EXPECT_FALSE(same) << a << " and " << b;
        }
    }
}

}  // namespace
