// Icons of a resource module as Qt images.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform/resource.h"

// One image of an icon: each row digit names a palette entry (0xAARRGGBB).
// A digit that is not hexadecimal, a missing row or a row too short gives
// transparent pixels; a missing palette or a size outside 1..256 gives a null
// image.
QImage ImageFromIconImage(const IconImage& image);

// Every image of an icon group, for the window manager to pick from.
QIcon QIconFromResource(const IconResource& icon);

// The group's image closest in size to `size` (the larger on a tie); a null
// pixmap for an empty group.
QPixmap PixmapNearestSize(const IconResource& icon, int size);
