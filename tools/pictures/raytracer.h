#pragma once

// A small ray tracer for the splash picture: five solids (a red cube, a
// magenta cylinder, a green cone, a gold square pyramid and a yellow sphere)
// standing on a glossy blue floor that mirrors them, against a deep blue
// backdrop.
//
// The tracing is plain C++; QImage only carries the result. The picture is
// deterministic: every pixel is computed on its own from its coordinates, and
// the arithmetic uses only +, -, *, / and sqrt (no library sin, exp or pow),
// so the same source gives the same bytes on every run and for any number of
// threads.

#include <QImage>

// Renders the scene at width x height pixels (the camera keeps the vertical
// field of view, so any size shows the same view up to the aspect ratio),
// averaging samplesPerAxis x samplesPerAxis samples on a regular grid in each
// pixel. threads <= 0 means one thread per core. Returns an RGB32 image, or a
// null image if an argument is not positive.
QImage renderSolidsScene(int width, int height, int samplesPerAxis, int threads = 0);
