#pragma once

#include <QWidget>
#include <memory>

// A data-entry form with one text box per template, each with a plain
// caption beside it.
std::unique_ptr<QWidget> makeTextBoxForm();

// With a display, shows the form and returns true (the caller runs the event
// loop). Without one, types a scripted input into each box as a user would,
// leaves it, prints Text, FormattedText, RawText, BoundText and any message,
// renders the form to a PNG and returns false.
bool runTextBoxDemo(QWidget& form);
