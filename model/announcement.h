#pragma once

// What a screen reader is told when a window shows new results: after
// "Calculate", each frame's caption with its result; on the menu, a
// converter's new result. Each is told once, and withdrawn as soon as an
// entry changes, so that nothing presents old results as current.

#include <QList>

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// Tells the text once, at once; an empty text withdraws what was told. A
// window that is not on the screen tells nothing.
void announce(QWidget* window, const QString& text);

// Tells the text once typing has paused; a later call within the pause,
// or announce(), replaces it.
void announceAfterTyping(QWidget* window, const QString& text);

// What the window tells now, empty when it tells nothing.
QString announcement(const QWidget* window);

// Tells accessibility tools what the announcement is: a notification, in a
// status bar of its own.
QAccessibleInterface* accessibleAnnouncement(const QString& className, QObject* object);
