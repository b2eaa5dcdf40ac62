#pragma once

class QWidget;

// Makes the bitmaps and fonts compiled into the program readable, once.
void loadResources();

// Lets the windows join the desktop's accessibility bus whether or not a
// screen reader is on yet. Called before the QApplication is made.
void joinAccessibilityBus();

// Start-up comes in two steps, so that the splash is on the screen as soon
// as it can be. The first gives the application its name, style and fixed
// light palette, the same on any desktop: all that the splash needs. Called
// once, before the first window is built.
void setupApplication();

// The second gives the application its window icon and the dialog font the
// windows were laid out for. It is done once; a later call does nothing.
// The program does it as soon as the splash is on the screen, and at the
// latest before the splash hands over to the menu.
void finishSetup();

// Runs the action once the shown window has first come on the screen and
// been painted, after the events already waiting.
void afterShown(QWidget* window, void (*action)());
