#pragma once

#include <QDir>
#include <QImage>

#include <functional>

// Every picture that Tessaro compiles in: the bitmaps the windows name and
// the splash, each with a twice-as-large companion <name>@2x.bmp for
// high-density screens, the windows' icon and the icon at every size a
// desktop entry may ask for.
struct Picture
{
    // The file name under resources/, e.g. "square.bmp" or "icons/tessaro-16.png".
    QString file;
    std::function<QImage()> draw;
};
QList<Picture> allPictures();

// Draws every picture into the folder; false, with a message on standard
// error, if one cannot be written.
bool writePictures(const QDir& folder);
