#include "title_width.h"

namespace {

// Arial's advance widths (its italic has the same) for ' ' to '~', in thousandths of its em.
const unsigned short ASCII_WIDTHS[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,   //  !"#$%&'()*+,-./
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,   // 0123456789:;<=>?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ABCDEFGHIJKLMNO
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   // PQRSTUVWXYZ[\]^_
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,   // `abcdefghijklmno
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,        // pqrstuvwxyz{|}~
};
const unsigned AVERAGE_WIDTH = 556;

// A 48-pixel cell holds Arial's ascent and descent, 1854 + 434 of its 2048 units per
// em; each character's advance is rounded to whole pixels, as the font is drawn.
unsigned AdvancePixels(unsigned thousandths) {
    const unsigned CELL = 48 * 2048, UNITS = (1854 + 434) * 1000;
    return (thousandths * CELL + UNITS / 2) / UNITS;
}

}  // namespace

int EstimateTitleWidth(const char* title) {
    unsigned width = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(title); *p; ++p) {
        width += AdvancePixels((*p >= ' ' && *p <= '~') ? ASCII_WIDTHS[*p - ' '] : AVERAGE_WIDTH);
    }
    return static_cast<int>(width);
}
