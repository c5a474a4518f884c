#pragma once

#include <QWidget>
#include <memory>

// A form with a row of command buttons in every look (flat, 3D, hot spot,
// the two switches), square and rounded, with a picture, a caption list that
// scrolls, and the form's default and cancel buttons.
std::unique_ptr<QWidget> makeButtonForm();

// With a display, shows the form and returns true (the caller runs the event
// loop). Without one, hovers over, presses and releases each button with the
// mouse as a user would, toggles a switch, steps the caption list round,
// presses Enter and Escape, prints the events and writes a PNG of each state
// under the demo's output folder; returns false.
bool runButtonDemo(QWidget& form);
