// The fonts dialog templates name, mapped to installed ones, and the dialog
// base units measured from them.
#pragma once

#include <QFont>

#include "platform/backend.h"

// The installed font standing in for a template's font: the Japanese gothic
// fonts map to IPA's, anything else (the "System" font included) to a plain
// sans. A missing name or a size below 1 point gets the plain sans at 9 points.
QFont TemplateFont(const char* fontName, int pointSize);

// base.x = average width of "A".."Z" and "a".."z", rounded; base.y = the
// font's line height. Both at least 1.
DialogBaseUnits MeasureDialogBaseUnits(const QFont& font);
