#pragma once

// Gives the application its name, icon, style, fixed light palette and
// dialog font, so that every window looks as its definition intends on any
// desktop. Called once, before the first window is built.
void setupApplication();
