#pragma once

#include <QImage>

// The figure pictures, one function per bitmap.
QImage drawRectangle();
QImage drawIcon();
