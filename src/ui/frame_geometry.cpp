#include "frame_geometry.h"

Rect GradientBand(int k, int screenWidth, int screenHeight) {
    int h = screenHeight / GRADIENT_BANDS;
    return {0, k * h, screenWidth, k * h + k * h + h};
}

unsigned char GradientBlue(int k) { return static_cast<unsigned char>(255 - k); }

Rect CompactFrameRect(int screenWidth, int screenHeight) {
    int x = (screenWidth - COMPACT_WIDTH) / 2;
    int y = (screenHeight - COMPACT_HEIGHT) / 2;
    return {x, y, x + COMPACT_WIDTH, y + COMPACT_HEIGHT};
}
