#include "geometry/arrangements.h"

#include "platform/win32.h"

Arrangement ArrangementTable[ArrangementCount];

// clang-format off
const Rotation RotationP = {
    // {target position, rotation}   source position
    { 0, 2},   //  0
    {18, 1},   //  1
    { 2, 1},   //  2
    {15, 0},   //  3
    {19, 2},   //  4
    {10, 1},   //  5
    {14, 2},   //  6
    { 8, 2},   //  7
    {13, 0},   //  8
    { 4, 2},   //  9
    {16, 1},   // 10
    { 6, 1},   // 11
    { 1, 0},   // 12
    { 7, 1},   // 13
    {11, 0},   // 14
    {17, 1},   // 15
    { 5, 1},   // 16
    { 3, 2},   // 17
    {12, 2},   // 18
    { 9, 2},   // 19
};

const Rotation RotationQ = {
    // {target position, rotation}   source position
    {12, 0},   //  0
    { 0, 1},   //  1
    {17, 1},   //  2
    { 2, 2},   //  3
    {13, 2},   //  4
    {11, 2},   //  5
    {16, 2},   //  6
    { 9, 1},   //  7
    { 5, 2},   //  8
    {14, 0},   //  9
    { 7, 1},   // 10
    {19, 1},   // 11
    { 4, 1},   // 12
    { 1, 2},   // 13
    {15, 2},   // 14
    {10, 2},   // 15
    { 3, 0},   // 16
    { 6, 1},   // 17
    { 8, 0},   // 18
    {18, 1},   // 19
};
// clang-format on

void ApplyRotation(const Arrangement& source, const Rotation& permutation, Arrangement& destination) {
    for (int k = 0; k < FaceCount; ++k) {
        const int target = permutation[k].target;
        const int rotation = permutation[k].rotation;
        // A malformed step is skipped rather than written out of bounds.
        if (target < 0 || target >= FaceCount || rotation < 0 || rotation > 2) {
            continue;
        }
        FaceEntry& to = destination.entry[target];
        to.vertex[rotation] = source.entry[k].vertex[0];
        to.vertex[(rotation + 1) % 3] = source.entry[k].vertex[1];
        to.vertex[(rotation + 2) % 3] = source.entry[k].vertex[2];
        to.id = source.entry[k].id;
    }
}

bool IsNewArrangement(const Arrangement& candidate, int count) {
    if (count > ArrangementCount) {
        count = ArrangementCount;
    }
    // The first two vertices of entry 0 fix a rotation of the solid.
    for (int m = 0; m < count; ++m) {
        const FaceEntry& known = ArrangementTable[m].entry[0];
        if (known.vertex[0] == candidate.entry[0].vertex[0] &&
            known.vertex[1] == candidate.entry[0].vertex[1]) {
            return false;
        }
    }
    return true;
}

// A generator must send the 20 positions onto the 20 positions, each turned
// by 0, 1 or 2 places; anything else would leave entries unwritten.
static bool IsPermutation(const Rotation& permutation) {
    bool hit[FaceCount] = {};
    for (int k = 0; k < FaceCount; ++k) {
        const int target = permutation[k].target;
        const int rotation = permutation[k].rotation;
        if (target < 0 || target >= FaceCount || rotation < 0 || rotation > 2 || hit[target]) {
            return false;
        }
        hit[target] = true;
    }
    return true;
}

int GenerateArrangementsFrom(const Rotation& p, const Rotation& q) {
    if (!IsPermutation(p) || !IsPermutation(q)) {
        return 0;
    }
    for (int i = 0; i < FaceCount; ++i) {
        ArrangementTable[0].entry[i] = FaceTable[i];
    }
    ApplyRotation(ArrangementTable[0], p, ArrangementTable[1]);
    ApplyRotation(ArrangementTable[1], p, ArrangementTable[2]);
    int count = 3;
    // Slots filled along the way are visited too; the walk stops once it
    // catches up with the filled slots, since an empty slot holds no rotation.
    for (int j = 0; j < ArrangementCount && j < count; ++j) {
        Arrangement candidate{};
        ApplyRotation(ArrangementTable[j], q, candidate);
        if (!IsNewArrangement(candidate, count)) {
            continue;
        }
        if (count == ArrangementCount) {
            // Runs while the main window is being created: the box has no owner yet.
            MessageBoxA(nullptr, "error arrange", "error morvat", MB_OK);
            break;
        }
        ArrangementTable[count] = candidate;
        ApplyRotation(ArrangementTable[count], p, ArrangementTable[count + 1]);
        ApplyRotation(ArrangementTable[count + 1], p, ArrangementTable[count + 2]);
        count += 3;
    }
    return count;
}

void GenerateArrangements() {
    GenerateArrangementsFrom(RotationP, RotationQ);
}
