#include "platform/qt/qt_fonts.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <cstring>

namespace {

struct FontRow {
    const char* templateName;  // as a template spells it (UTF-8)
    const char* installedFamily;
};

// Fonts of similar metrics from fonts-ipafont-gothic; proportional for
// proportional, fixed for fixed.
// clang-format off
const FontRow JapaneseFonts[] = {
    // templateName           installedFamily
    {"ＭＳ Ｐゴシック",       "IPAPGothic"},
    {"MS PGothic",            "IPAPGothic"},
    {"ＭＳ ゴシック",         "IPAGothic"},
    {"MS Gothic",             "IPAGothic"},
};
// clang-format on

constexpr int FallbackPointSize = 9;
// Keeps a made-up template from asking for a font larger than any screen.
constexpr int LargestPointSize = 144;

}  // namespace

QFont TemplateFont(const char* fontName, int pointSize) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    if (fontName != nullptr) {
        for (const FontRow& row : JapaneseFonts) {
            if (std::strcmp(row.templateName, fontName) == 0) {
                font.setFamilies({QString::fromUtf8(row.installedFamily)});
                break;
            }
        }
    }
    if (pointSize < 1 || pointSize > LargestPointSize) {
        pointSize = FallbackPointSize;
    }
    font.setPointSize(pointSize);
    return font;
}

DialogBaseUnits MeasureDialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = 52;
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogBaseUnits units{(width + letters / 2) / letters, metrics.height()};
    if (units.x < 1) {
        units.x = 1;
    }
    if (units.y < 1) {
        units.y = 1;
    }
    return units;
}
