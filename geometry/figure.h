#pragma once

// A figure of the catalogue: what a pupil gives it (its boxes, and for some
// the option that picks the box solved for), how its working is laid out
// (its frames) and the working itself, from the entries to the lines. It
// is data that the windows show, the command line prints and the tests
// read, with no window in between.

#include <QStringList>
#include <QStringView>

#include <initializer_list>

#include "geometry/workedsolution.h"

// The most a box holds, in characters, as a window's text box does.
constexpr qsizetype BoxLength = 32767;

class Working;

struct Figure
{
    // Its name on the command line, e.g. "cone".
    const char* name;
    // The window's caption, e.g. "Cone".
    QStringView caption;
    // The compiled-in bitmap that draws it, e.g. ":/cone.bmp"; a
    // high-density screen or a printed page takes its twice-as-large
    // companion (":/cone@2x.bmp").
    QStringView picture;
    // The labels of its boxes, in the order a pupil fills them in.
    std::initializer_list<QStringView> boxes;
    // The captions of its frames, left to right: each states the formula
    // that its lines work.
    std::initializer_list<QStringView> frames;
    // A worked example: an entry for each box.
    std::initializer_list<QStringView> example;
    // Works the entries into the frames' lines.
    void (*work)(Working&);
    // The captions of the options that pick the box solved for: the first
    // option the first box, and so on; none for most figures.
    std::initializer_list<QStringView> options = {};
    // The option picked when none is chosen.
    qsizetype defaultOption = -1;
    // Whether its working takes pi as 3.14.
    bool usesPi = false;

    // The worked solution for the entries, one for each box (boxes beyond
    // them are empty), with the option given (-1: the default option). A
    // run-time error of the arithmetic ends the working: the lines worked
    // before it stand, with its message.
    WorkedSolution solve(const QStringList& entries, qsizetype option = -1) const;

    // The solution before any working: the caption and the frames'
    // captions alone.
    WorkedSolution unworked() const;

    QStringList boxLabels() const;
    QStringList optionCaptions() const;
    // The box that the option solves for, or -1.
    qsizetype boxSolvedFor(qsizetype option) const;
};

// The working of a figure under way: the entries it reads and the lines it
// has worked so far.
class Working
{
public:
    Working(const QStringList& entries, qsizetype option, WorkedSolution& solution);

    // The number in a box, read as a window reads the text of its box.
    double value(qsizetype box) const;
    // The option picked, by its place among the figure's options.
    qsizetype option() const { return m_option; }
    // Begins working a frame: its lines, to which each line is appended as
    // it is worked. A frame is worked whole before the next one begins.
    QStringList& frame(qsizetype frame);
    // Ends the working with a message of the window's own, such as a
    // rejected entry.
    void reject(const QString& title, const QString& text);
    // The frame being worked, -1 before the first.
    qsizetype currentFrame() const { return m_frame; }

private:
    const QStringList& m_entries;
    qsizetype m_option;
    WorkedSolution& m_solution;
    qsizetype m_frame = -1;
};
