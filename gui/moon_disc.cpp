// The disc is built from filled ellipses, one half-cell clip and an outline:
// fill the whole disc in one colour, one half of it in the other, then the
// terminator ellipse (whose half-width is cos(phase) of the disc's) in the
// second colour again.
#include "gui/moon_disc.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace skyledger {

namespace {

const QColor WHITE(255, 255, 255);
const QColor BLACK(0, 0, 0);
const QColor OUTLINE(64, 64, 64);

// Fills the ellipse inscribed in the box, right and bottom edges excluded.
void fillEllipse(QPainter& p, const PixelBox& box, const QColor& colour) {
    if (box.right <= box.left || box.bottom <= box.top) return;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRect(box.left, box.top, box.right - box.left, box.bottom - box.top));
}

// Fills `disc` clipped to one half of the cell, split at the centre line.
void fillHalf(QPainter& p, const PixelBox& cell, int cx, bool rightHalf, const PixelBox& disc,
              const QColor& colour) {
    const QRect half = rightHalf
                           ? QRect(cx, cell.top, cell.right - cx, cell.bottom - cell.top)
                           : QRect(cell.left, cell.top, cx - cell.left, cell.bottom - cell.top);
    p.save();
    p.setClipRect(half, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    fillEllipse(p, disc, colour);
    p.restore();
}

} // namespace

DiscFills discFills(double phaseAngle, bool southernHemisphere) {
    DiscFills f;
    if (phaseAngle < DISC_FIRST_QUARTER) { // waxing crescent: lit on the right
        f = {true, false};
    } else if (phaseAngle < DISC_FULL) { // waxing gibbous
        f = {false, true};
    } else if (phaseAngle < DISC_LAST_QUARTER) { // waning gibbous
        f = {false, false};
    } else { // waning crescent: lit on the left
        f = {true, true};
    }
    if (southernHemisphere) f.rightHalf = !f.rightHalf;
    return f;
}

void drawMoonDisc(QPainter& painter, const PixelBox& cell, double phaseAngle, int inset,
                  bool southernHemisphere) {
    const int cx = (cell.left + cell.right) / 2;
    const int width = cell.right - cell.left - 2 * inset;
    const int e = std::abs(static_cast<int>(std::cos(phaseAngle) * width * 0.5));
    const PixelBox disc{cell.left + inset, cell.top + inset, cell.right - inset,
                        cell.bottom - inset};
    const PixelBox terminator{cx - e, cell.top + inset, cx + e, cell.bottom - inset};

    const DiscFills fills = discFills(phaseAngle, southernHemisphere);
    const QColor base = fills.baseLit ? WHITE : BLACK;
    const QColor other = base == WHITE ? BLACK : WHITE;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    fillEllipse(painter, disc, base);
    fillHalf(painter, cell, cx, fills.rightHalf, disc, other);
    fillEllipse(painter, terminator, other);
    // The outline runs along the disc's outermost pixels.
    if (disc.right > disc.left && disc.bottom > disc.top) {
        painter.setPen(QPen(OUTLINE, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(
            QRect(disc.left, disc.top, disc.right - disc.left - 1, disc.bottom - disc.top - 1));
    }
    painter.restore();
}

} // namespace skyledger
