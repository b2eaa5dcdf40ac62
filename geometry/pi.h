#pragma once

// Pi as the windows use it: 3.14, the value a pupil works with by hand and
// the one each window's working shows, so that every step line can be
// checked with pencil and paper. Its multiples are stored as their own
// short values (6.28, not 2 * 3.14 worked out anew), as the windows write them.
constexpr double Pi = 3.14;
constexpr double TwoPi = 6.28;
constexpr double FourPi = 12.56;
