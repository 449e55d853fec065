// The frame's painted background and its compact progress window, by screen size.
#pragma once

struct Rect {
    int left, top, right, bottom;
};

const int GRADIENT_BANDS = 255;

// Band k (0..254) of the background: blue 255 - k, filled from the top down. Each band's
// rectangle reaches twice as far down as its top, so the last one covers the remainder.
Rect GradientBand(int k, int screenWidth, int screenHeight);
unsigned char GradientBlue(int k);

// The compact progress window: 400 x 75, centred on the screen.
const int COMPACT_WIDTH = 400;
const int COMPACT_HEIGHT = 75;
Rect CompactFrameRect(int screenWidth, int screenHeight);
