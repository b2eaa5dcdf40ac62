#pragma once

// Worksheets for `tessaro --solve -`, checked against a call for each problem
// by the shell test and by `make bench`.

#include <QByteArray>
#include <QStringList>

#include <functional>

// What `--solve -` should print for the problems: the output of a call
// for each problem alone (given by the call), the worked solutions
// separated by a blank line, or with --json each object with its line.
QByteArray asSeparateCalls(const QStringList& problems, bool json,
                           const std::function<QByteArray(const QStringList& arguments)>& call);
