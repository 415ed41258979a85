#include "geometry/tiles.h"

// clang-format off
const TileSides TileTable[TileCount - 1] = {
    // a,  b,  c,  d        tile  label
    {{ 1, 19, 13,  0}},  //  1   "1"
    {{ 7, 13, 19,  0}},  //  2   "2r"
    {{13, 19,  4,  0}},  //  3   "2l"
    {{13, 10, 11, 19}},  //  4   "3"
    {{18, 10,  7,  0}},  //  5   "4r"
    {{ 4, 11, 12,  0}},  //  6   "4l"
    {{18, 13, 10,  0}},  //  7   "5r"
    {{11, 19, 12,  0}},  //  8   "5l"
    {{ 7, 11, 10,  0}},  //  9   "6r"
    {{11, 10,  4,  0}},  // 10   "6l"
    {{ 1,  6, 10, 18}},  // 11   "7"
    {{11,  7,  4, 10}},  // 12   "8"
    {{ 6, 18, 10,  0}},  // 13   "9r"
    {{ 1, 10,  6,  0}},  // 14   "9l"
    {{13, 11,  7,  0}},  // 15   "10r"
    {{ 4, 10, 19,  0}},  // 16   "10l"
    {{11, 17,  7,  0}},  // 17   "11r"
    {{ 4, 15, 10,  0}},  // 18   "11l"
    {{10, 17,  6,  0}},  // 19   "12"
    {{ 6, 15, 17,  0}},  // 20   "13r"
    {{15, 17,  5,  0}},  // 21   "13l"
    {{17, 16, 11,  0}},  // 22   "14"
};
// clang-format on

float TileVertices[ArrangementCount][TileCount][4][3];

double Determinant3(double a, double b, double c, double d, double e, double f, double g,
                    double h, double i) {
    return b * f * g + c * d * h + a * e * i - c * e * g - b * d * i - a * f * h;
}

void IntersectPlanesExact(const double n0[3], int j, int p, int q, double out[3]) {
    const double* n1 = FaceNormals[ArrangementTable[j].entry[p].id];
    const double* n2 = FaceNormals[ArrangementTable[j].entry[q].id];
    const double d = PlaneDistance;
    // Cramer's rule; the reciprocal is formed once and multiplied in.
    const double t =
        1.0 / Determinant3(n0[0], n0[1], n0[2], n1[0], n1[1], n1[2], n2[0], n2[1], n2[2]);
    const double x = Determinant3(d, n0[1], n0[2], d, n1[1], n1[2], d, n2[1], n2[2]) * t;
    const double y = Determinant3(n0[0], d, n0[2], n1[0], d, n1[2], n2[0], d, n2[2]) * t;
    const double z = Determinant3(n0[0], n0[1], d, n1[0], n1[1], d, n2[0], n2[1], d) * t;
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

void IntersectPlanes(const double n0[3], int j, int p, int q, float out[3]) {
    double exact[3];
    IntersectPlanesExact(n0, j, p, q, exact);
    out[0] = static_cast<float>(exact[0]);
    out[1] = static_cast<float>(exact[1]);
    out[2] = static_cast<float>(exact[2]);
}

void BuildTileVertices() {
    for (int j = 0; j < ArrangementCount; ++j) {
        const double* n0 = FaceNormals[ArrangementTable[j].entry[0].id];
        for (int k = 1; k < TileCount; ++k) {
            const std::int8_t* side = TileTable[k - 1].side;
            float(*corner)[3] = TileVertices[j][k];
            // Each corner is where two consecutive sides cross, so the
            // corners come out in order around the tile.
            IntersectPlanes(n0, j, side[0], side[1], corner[0]);
            IntersectPlanes(n0, j, side[1], side[2], corner[1]);
            if (side[3] == 0) {
                IntersectPlanes(n0, j, side[2], side[0], corner[2]);
                corner[3][0] = corner[3][1] = corner[3][2] = 0.0f;
            } else {
                IntersectPlanes(n0, j, side[2], side[3], corner[2]);
                IntersectPlanes(n0, j, side[3], side[0], corner[3]);
            }
        }
    }
}

void BuildGeometry() {
    ComputeFaceNormals();
    GenerateArrangements();
    BuildTileVertices();
}
