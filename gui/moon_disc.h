// The Moon as it looks at a given phase: a disc, lit part white and dark part
// black, with a thin dark-grey outline. One routine for every surface that
// shows the Moon: the main window, the chart window and its printout, the
// Moon calendar and its printout.
#pragma once

class QPainter;

namespace skyledger {

// A cell in the surface's pixels. As on the platform the pictures were drawn
// for, `right` and `bottom` lie just outside the cell: a 16-pixel cell at x = 0
// has left 0 and right 16.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The phase thresholds: a little below pi/2, pi and 3 pi/2, written with the
// ten decimals the pictures have always been chosen with, so that a phase
// angle of exactly pi/2 (1.5707963268) already counts as the first quarter.
inline constexpr double DISC_FIRST_QUARTER = 1.57079632675;
inline constexpr double DISC_FULL = 3.1415926535;
inline constexpr double DISC_LAST_QUARTER = 4.71238898025;

// Which fills draw a phase: the whole disc in the base colour, the half on
// one side in the other colour, then the terminator in the other colour.
struct DiscFills {
    bool baseLit = false;   // the disc is first filled white (else black)
    bool rightHalf = false; // the half filled next is the right one (else the left)
};

// The fills for `phaseAngle`; in the southern hemisphere the halves swap.
[[nodiscard]] DiscFills discFills(double phaseAngle, bool southernHemisphere);

// Draws the disc for `phaseAngle` (radians: 0 new, pi/2 first quarter, pi
// full, 3 pi/2 last quarter) in `cell`, `inset` pixels in from its edges; a
// cell that is not square gives an ellipse. `southernHemisphere` mirrors the
// picture left to right, as the Moon is seen from south of the equator.
// Leaves the painter's pen, brush and clip as they were.
void drawMoonDisc(QPainter& painter, const PixelBox& cell, double phaseAngle, int inset,
                  bool southernHemisphere);

} // namespace skyledger
