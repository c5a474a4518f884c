#pragma once

#include <QWidget>
#include <memory>

// A form with the two group controls: a check box group of extras laid out
// vertically, one of days in a grid, and an option button group of payment
// methods laid out horizontally, each with a plain caption above it.
std::unique_ptr<QWidget> makeGroupsForm();

// With a display, shows the form and returns true (the caller runs the event
// loop). Without one, clicks boxes, captions and options and presses keys as
// a user would, prints the values and events after each step, renders the
// form to a PNG and returns false.
bool runGroupsDemo(QWidget& form);
