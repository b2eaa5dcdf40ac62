#pragma once

// Works a problem in its figure's window, built but never shown, as a pupil
// would: picks the option, types the entries, presses "Calculate", and
// takes the worked solution with the messages the window gave. Needs the
// application to exist.

#include "model/workedsolution.h"
#include "app/commandline/problem.h"

struct Solved
{
    WorkedSolution solution;
    QList<WorkedSolution::Message> messages;
};

// Throws UsageError for an entry the window cannot take: a value longer
// than its box holds, or one for the box solved for.
Solved solve(const Problem& problem);
