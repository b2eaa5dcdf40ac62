#pragma once

// What a screen reader says for the formulas a window shows. The shown text
// stays as it is; these give its words: "*" as "times", "²" as "squared",
// brackets as "open bracket" and "close bracket", "1/3" as "one third", a
// number in exponent form as "1 times 10 to the power of 20", and so on.
// Blanks in the shown text carry no meaning; a letter or number directly
// followed by another, or by a bracket, is said apart ("2L" as "2 L"), while
// a letter followed by digits is one name ("s1").

#include <QString>
#include <QStringView>

struct WorkedSolution;

// What a screen reader says for a caption or a step line that a window shows: its formula in words.
QString spokenText(QStringView shown);

// A frame's caption as an announcement opens it: a caption that names its result before "=" ("Volume=pi*R²*H") is
// said as the name, a comma and the formula in words ("Volume, pi times R squared times H"); any other caption as
// spokenText says it.
QString spokenCaption(QStringView caption);

// What a screen reader is told of a worked solution after "Calculate": the
// boxes that were empty ("Radius was empty"), then for each frame its
// caption and its result in words ("Volume, pi times R squared times H:
// 37.68"), or, for the frame a run-time error ended, that it could not be
// worked out; parts separated by "; ".
QString spokenResults(const WorkedSolution& solution);
