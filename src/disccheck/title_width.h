// How wide the wizard's title is: titleText in 48-pixel Arial italic, painted at
// (10, 10) over its shadow at (13, 13), one line, never wrapped.
#pragma once

// Estimated from the font's advance widths; a byte outside ASCII counts as an average
// letter (so a double-byte character as two).
int EstimateTitleWidth(const char* title);

// What shows of the title on a 1024 x 768 screen: the maximised frame's client area
// less the view's sunken edges and the shadow's left.
const int TITLE_ROOM_AT_1024 = 1024 - 2 * 2 - 13;
