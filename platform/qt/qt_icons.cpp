#include "platform/qt/qt_icons.h"

#include <cstdlib>

namespace {

constexpr int LargestIcon = 256;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

QImage ImageFromIconImage(const IconImage& image) {
    if (image.palette == nullptr || image.size < 1 || image.size > LargestIcon) {
        return {};
    }
    QImage result(image.size, image.size, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    if (image.rows == nullptr) {
        return result;
    }
    for (int y = 0; y < image.size; ++y) {
        const char* row = image.rows[y];
        if (row == nullptr) {
            continue;
        }
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        // Stops at the row's end: a short row leaves the rest transparent.
        for (int x = 0; x < image.size && row[x] != '\0'; ++x) {
            const int entry = HexDigitValue(row[x]);
            if (entry >= 0) {
                line[x] = image.palette[entry];
            }
        }
    }
    return result;
}

QIcon QIconFromResource(const IconResource& icon) {
    QIcon result;
    for (const IconImage& image : icon.images) {
        const QImage converted = ImageFromIconImage(image);
        if (!converted.isNull()) {
            result.addPixmap(QPixmap::fromImage(converted));
        }
    }
    return result;
}

QPixmap PixmapNearestSize(const IconResource& icon, int size) {
    const IconImage* best = nullptr;
    for (const IconImage& image : icon.images) {
        if (ImageFromIconImage(image).isNull()) {
            continue;
        }
        if (best == nullptr) {
            best = &image;
            continue;
        }
        const int distance = std::abs(image.size - size);
        const int bestDistance = std::abs(best->size - size);
        if (distance < bestDistance || (distance == bestDistance && image.size > best->size)) {
            best = &image;
        }
    }
    return best != nullptr ? QPixmap::fromImage(ImageFromIconImage(*best)) : QPixmap();
}
