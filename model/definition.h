#pragma once

// Applying a window's .ui definition beyond what the generated setupUi
// does: the pictures of a high-density screen, labels that wrap their
// caption in whole lines, labels on the baseline of the box they name, the
// order of the Tab key, and where the window opens.
//
// The definition's root carries two properties of its own: "picture" (the
// name of the bitmap drawn at the top-left of the client area) and
// "clientPosition" (where the client area opens, in pixels). Every control
// carries its "tabIndex", which orders the Tab key.

#include <QList>
#include <QPixmap>

class QWidget;

struct AppliedDefinition
{
    // The window's picture, for its screen.
    QPixmap picture;
    // The controls that take the focus, in the order of the Tab key.
    QList<QWidget*> tabOrder;
};

AppliedDefinition applyDefinition(QWidget* window);
