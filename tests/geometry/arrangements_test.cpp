#include "geometry/arrangements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "tests/geometry/geometry_support.h"
#include "tests/geometry/message_box_recorder.h"

namespace {

// The face table as the solid is described, kept apart from the program's own copy.
// clang-format off
const FaceEntry OriginalFaces[FaceCount] = {
    {{0, 8, 3}, 0},  {{3, 9, 0}, 1},   {{1, 10, 2}, 2},  {{2, 11, 1}, 3},  {{4, 0, 7}, 4},
    {{7, 1, 4}, 5},  {{5, 2, 6}, 6},   {{6, 3, 5}, 7},   {{8, 4, 11}, 8},  {{11, 5, 8}, 9},
    {{9, 6, 10}, 10}, {{10, 7, 9}, 11}, {{0, 4, 8}, 12},  {{0, 9, 7}, 13},  {{1, 11, 4}, 14},
    {{1, 7, 10}, 15}, {{2, 5, 11}, 16}, {{2, 10, 6}, 17}, {{3, 8, 5}, 18},  {{3, 6, 9}, 19},
};
// clang-format on

void ExpectFaceTableUntouched() {
    for (int f = 0; f < FaceCount; ++f) {
        EXPECT_EQ(FaceTable[f], OriginalFaces[f]) << "face " << f;
    }
}

class Arrangements : public ::testing::Test {
protected:
    void SetUp() override {
        InitModelConstants();
        RecordedMessageBoxes().clear();
        ASSERT_EQ(GenerateArrangementsFrom(RotationP, RotationQ), ArrangementCount);
    }
};

TEST_F(Arrangements, WalkFillsAllSlotsInKnownOrderWithoutABox) {
    const int entry0_ids[ArrangementCount] = {
        0,  0,  0,  1,  1,  1,  12, 12, 12, 18, 18, 18, 13, 13, 13, 19, 19, 19, 8,  8,
        8,  4,  4,  4,  7,  7,  7,  9,  9,  9,  11, 11, 11, 10, 10, 10, 14, 14, 14, 5,
        5,  5,  6,  6,  6,  16, 16, 16, 15, 15, 15, 17, 17, 17, 3,  3,  3,  2,  2,  2};
    for (int j = 0; j < ArrangementCount; ++j) {
        EXPECT_EQ(ArrangementTable[j].entry[0].id, entry0_ids[j]) << "arrangement " << j;
    }
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    ExpectFaceTableUntouched();
    for (int f = 0; f < FaceCount; ++f) {
        EXPECT_EQ(ArrangementTable[0].entry[f], FaceTable[f]) << f;
    }
}

TEST_F(Arrangements, KnownEntries) {
    const struct {
        int arrangement, position;
        FaceEntry expected;
    } rows[] = {
        {1, 0, {{8, 3, 0}, 0}},
        {1, 1, {{0, 4, 8}, 12}},
        {2, 0, {{3, 0, 8}, 0}},
        {3, 0, {{0, 3, 9}, 1}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ArrangementTable[row.arrangement].entry[row.position], row.expected)
            << "arrangement " << row.arrangement << " position " << row.position;
    }
}

TEST_F(Arrangements, EachFaceLeadsThreeTimesAndEveryRotationIsDistinct) {
    int leads[FaceCount] = {};
    std::set<std::pair<int, int>> pairs;
    for (int j = 0; j < ArrangementCount; ++j) {
        const FaceEntry& e = ArrangementTable[j].entry[0];
        ++leads[e.id];
        pairs.insert({e.vertex[0], e.vertex[1]});
        // Each id exactly once within the arrangement.
        bool seen[FaceCount] = {};
        for (int p = 0; p < FaceCount; ++p) {
            const int id = ArrangementTable[j].entry[p].id;
            ASSERT_TRUE(id >= 0 && id < FaceCount);
            EXPECT_FALSE(seen[id]) << "arrangement " << j << " repeats id " << id;
            seen[id] = true;
        }
    }
    for (int f = 0; f < FaceCount; ++f) {
        EXPECT_EQ(leads[f], 3) << "face " << f;
    }
    EXPECT_EQ(pairs.size(), 60u);
}

// Every arrangement must be a true rotation: position p's own vertices map,
// one for one, onto the vertices listed in entry p, by one vertex map shared
// by all 20 positions that keeps every distance and the handedness.
TEST_F(Arrangements, EveryArrangementIsARotationOfTheSolid) {
    for (int j = 0; j < ArrangementCount; ++j) {
        SCOPED_TRACE(j);
        int map[VertexCount];
        for (int& m : map) {
            m = -1;
        }
        for (int p = 0; p < FaceCount; ++p) {
            const FaceEntry& e = ArrangementTable[j].entry[p];
            // The entry lists the face its id names, turned but not reflected.
            const FaceEntry& face = FaceTable[e.id];
            bool cyclic = false;
            for (int r = 0; r < 3; ++r) {
                cyclic = cyclic || (e.vertex[0] == face.vertex[r] &&
                                    e.vertex[1] == face.vertex[(r + 1) % 3] &&
                                    e.vertex[2] == face.vertex[(r + 2) % 3]);
            }
            EXPECT_TRUE(cyclic) << "position " << p;
            for (int v = 0; v < 3; ++v) {
                int& m = map[FaceTable[p].vertex[v]];
                if (m == -1) {
                    m = e.vertex[v];
                }
                EXPECT_EQ(m, e.vertex[v]) << "position " << p;
            }
        }
        for (int a = 0; a < VertexCount; ++a) {
            for (int b = 0; b < VertexCount; ++b) {
                const double before = Dot(IcosaVertices[a], IcosaVertices[b]);
                const double after = Dot(IcosaVertices[map[a]], IcosaVertices[map[b]]);
                EXPECT_NEAR(before, after, 1e-12) << a << ", " << b;
            }
        }
        double turned[3];
        double original[3];
        Cross(IcosaVertices[map[0]], IcosaVertices[map[4]], IcosaVertices[map[8]], turned);
        Cross(IcosaVertices[0], IcosaVertices[4], IcosaVertices[8], original);
        EXPECT_GT(Dot(turned, IcosaVertices[map[0]]) * Dot(original, IcosaVertices[0]), 0.0);
    }
}

TEST(ApplyRotation, GeneratorsReturnToTheStartAfterTheirOrder) {
    const struct {
        const char* name;
        const Rotation* generator;
        int order;
    } generators[] = {{"P", &RotationP, 3}, {"Q", &RotationQ, 5}};
    Arrangement start{};
    for (int f = 0; f < FaceCount; ++f) {
        start.entry[f] = FaceTable[f];
    }
    for (const auto& g : generators) {
        SCOPED_TRACE(g.name);
        Arrangement current = start;
        for (int step = 1; step <= g.order; ++step) {
            Arrangement next{};
            ApplyRotation(current, *g.generator, next);
            current = next;
            EXPECT_EQ(current == start, step == g.order) << "after " << step << " steps";
        }
    }
}

TEST(ApplyRotation, PKeepsTheAxisFacesAndTurnsThem) {
    Arrangement start{};
    for (int f = 0; f < FaceCount; ++f) {
        start.entry[f] = FaceTable[f];
    }
    Arrangement turned{};
    ApplyRotation(start, RotationP, turned);
    EXPECT_EQ(turned.entry[0], (FaceEntry{{8, 3, 0}, 0}));
    EXPECT_EQ(turned.entry[2].id, 2);
    EXPECT_EQ(turned.entry[2], (FaceEntry{{2, 1, 10}, 2}));
    // Source position 1 lands at 18 turned one place.
    EXPECT_EQ(turned.entry[18], (FaceEntry{{0, 3, 9}, 1}));
}

TEST_F(Arrangements, IsNewComparesOnlyTheFirstTwoVerticesOfEntryZero) {
    Arrangement lookalike = ArrangementTable[7];
    // Everything but the first two vertex indices of entry 0 changed.
    lookalike.entry[0].vertex[2] = 11;
    lookalike.entry[0].id = 5;
    for (int p = 1; p < FaceCount; ++p) {
        lookalike.entry[p] = FaceTable[p];
    }
    Arrangement stranger = ArrangementTable[7];
    stranger.entry[0].vertex[1] = 5;  // (0, 5) leads no arrangement
    const struct {
        const char* name;
        const Arrangement* candidate;
        int count;
        bool expected;
    } rows[] = {
        {"nothing known yet", &lookalike, 0, true},
        {"negative count", &lookalike, -4, true},
        {"slot 7 not yet counted", &lookalike, 7, true},
        {"slot 7 counted", &lookalike, 8, false},
        {"all counted", &lookalike, 60, false},
        {"count past the table", &lookalike, 1000, false},
        {"unknown leading pair", &stranger, 60, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsNewArrangement(*row.candidate, row.count), row.expected) << row.name;
    }
}

// RotationP with the kept face left unturned: each triple then repeats one
// rotation three times, so the 60 slots fill before every rotation has been
// met and the walk finds a 61st.
TEST(ArrangementWalk, OverflowShowsTheBoxOnceAndKeepsSixty) {
    InitModelConstants();
    Rotation unturned;
    for (int k = 0; k < FaceCount; ++k) {
        unturned[k] = RotationP[k];
    }
    unturned[0].rotation = 0;
    RecordedMessageBoxes().clear();
    EXPECT_EQ(GenerateArrangementsFrom(unturned, RotationQ), ArrangementCount);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    const RecordedMessageBox& box = RecordedMessageBoxes()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, "error arrange");
    EXPECT_EQ(box.caption, "error morvat");
    EXPECT_EQ(box.type, MB_OK);
    ExpectFaceTableUntouched();
    for (int f = 0; f < FaceCount; ++f) {
        EXPECT_EQ(ArrangementTable[0].entry[f], FaceTable[f]);
    }
    // Every slot holds what the walk put there: triples of one leading entry.
    for (int j = 0; j < ArrangementCount; j += 3) {
        EXPECT_EQ(ArrangementTable[j].entry[0], ArrangementTable[j + 1].entry[0]) << j;
        EXPECT_EQ(ArrangementTable[j].entry[0], ArrangementTable[j + 2].entry[0]) << j;
    }
    // The real generators still produce the full group afterwards.
    RecordedMessageBoxes().clear();
    EXPECT_EQ(GenerateArrangementsFrom(RotationP, RotationQ), ArrangementCount);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

TEST(ArrangementWalk, SmallGroupStopsWhenNothingIsLeftToVisit) {
    InitModelConstants();
    Rotation identity;
    for (int k = 0; k < FaceCount; ++k) {
        identity[k] = {static_cast<std::int8_t>(k), 0};
    }
    RecordedMessageBoxes().clear();
    // The identity with Q reaches only Q's five turns, each stored as a triple.
    EXPECT_EQ(GenerateArrangementsFrom(identity, RotationQ), 15);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    ExpectFaceTableUntouched();
}

TEST(ArrangementWalk, MalformedGeneratorsFillNothing) {
    InitModelConstants();
    const struct {
        const char* name;
        int position;
        RotationStep step;
    } rows[] = {
        {"target past the end", 4, {20, 0}},
        {"negative target", 4, {-1, 0}},
        {"rotation 3", 4, {19, 3}},
        {"two sources on one target", 4, {0, 0}},
    };
    for (const auto& row : rows) {
        Rotation bad;
        for (int k = 0; k < FaceCount; ++k) {
            bad[k] = RotationQ[k];
        }
        bad[row.position] = row.step;
        RecordedMessageBoxes().clear();
        EXPECT_EQ(GenerateArrangementsFrom(RotationP, bad), 0) << row.name;
        EXPECT_EQ(GenerateArrangementsFrom(bad, RotationQ), 0) << row.name;
        EXPECT_TRUE(RecordedMessageBoxes().empty()) << row.name;
    }
    ExpectFaceTableUntouched();
}

}  // namespace
