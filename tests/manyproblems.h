#pragma once

// Worksheets for `tessaro --solve -`, shared by the shell test (a sample)
// and `make bench` (a thousand).

#include <QByteArray>
#include <QStringList>

#include <functional>

// Problems one a line over every figure, with boxes left out, values too
// large, negative or no number, and now and then a box that is not there.
QStringList randomProblems(int count, quint32 seed);

// What `--solve -` should print for the problems: the output of a call
// for each problem alone (given by the call), the worked solutions
// separated by a blank line, or with --json each object with its line.
QByteArray asSeparateCalls(const QStringList& problems, bool json,
                           const std::function<QByteArray(const QStringList& arguments)>& call);
