// Whole-model checks: what a preset draws, measured as a polyhedron would be.
#include <gtest/gtest.h>

#include <cstring>

#include "geometry/selection.h"
#include "geometry/tiles.h"
#include "tests/geometry/geometry_support.h"

namespace {

const char* LettersOf(const char* caption) {
    for (const Preset& preset : PresetTable) {
        if (std::strcmp(preset.caption, caption) == 0) {
            return preset.letters;
        }
    }
    ADD_FAILURE() << "no preset " << caption;
    return "";
}

double SurfaceArea(const std::vector<Polygon>& polygons) {
    double area = 0.0;
    for (const Polygon& polygon : polygons) {
        area += PolygonArea(polygon);
    }
    return area / (PlaneDistance * PlaneDistance);
}

// Areas of the visible surface measured on an independent polyhedron program,
// in units of PlaneDistance squared. The plane crossings match them to six
// decimals. The stored corners are floats, whose rounding moves the sum by a
// few parts in 10^8 (about 6e-5 on the 1513 of "8: H"): one part in 10^7 is
// allowed there, far below what a single wrong, missing or doubled tile would
// change.
TEST(PresetSurface, AreaMatchesIndependentMeasurement) {
    EnsureGeometryBuilt();
    const struct {
        const char* caption;
        double area;
    } rows[] = {
        {"1: A", 15.162168},
        {"8: H", 1513.359222},
        {"22: Ef1", 98.743033},
        {"47: Ef1r", 90.973011},
    };
    for (const auto& row : rows) {
        const char* letters = LettersOf(row.caption);
        EXPECT_NEAR(SurfaceArea(ExactPresetPolygons(letters)), row.area, 5e-7) << row.caption;
        EXPECT_NEAR(SurfaceArea(PresetPolygons(letters)), row.area, 1e-7 * row.area) << row.caption;
    }
}

std::vector<Polygon> Negated(std::vector<Polygon> polygons) {
    for (Polygon& polygon : polygons) {
        for (auto& corner : polygon.corner) {
            for (double& x : corner) {
                x = -x;
            }
        }
    }
    return polygons;
}

// Turning every point through the centre (p -> -p) gives the mirror image:
// the left form of 47 is the right form's image, a mirror-symmetric solid is
// its own image, and a chiral one is not.
TEST(PresetSurface, CentralInversionGivesTheMirrorForm) {
    EnsureGeometryBuilt();
    const double tolerance = 2e-5;
    const struct {
        const char* caption;
        const char* image_of;
        bool expected;
    } rows[] = {
        {"47l: Ef1l", "47: Ef1r", true},
        {"24: De1f1", "24: De1f1", true},
        {"47: Ef1r", "47: Ef1r", false},
        {"1: A", "1: A", true},
    };
    for (const auto& row : rows) {
        const std::vector<Polygon> image = Negated(PresetPolygons(LettersOf(row.image_of)));
        EXPECT_EQ(SamePolygonSets(PresetPolygons(LettersOf(row.caption)), image, tolerance),
                  row.expected)
            << row.caption << " against the image of " << row.image_of;
    }
}

}  // namespace
