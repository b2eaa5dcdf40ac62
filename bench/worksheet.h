#pragma once

// Random worksheets for `tessaro --solve -`: a thousand for `make bench`, a
// sample for the shell test.

#include <QStringList>

// Problems one a line over every figure, with boxes left out, values too
// large, negative or no number, and now and then a box that is not there.
QStringList randomProblems(int count, quint32 seed);
