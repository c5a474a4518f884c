#pragma once

#include <QString>

class QWidget;

// Shows a demo form as a window when there is a display; otherwise renders
// it offscreen to <out>/<name>.png (out: $ORX_DEMO_OUT, else out/demo) and
// prints the path. Returns whether a window was shown (the caller then runs
// the event loop once every form is up).
bool showOrRender(QWidget& form, const QString& name);

// Saves a picture of the form as <out>/<name>.png; returns the path, or an
// empty string when the file could not be written.
QString saveSnapshot(QWidget& form, const QString& name);

// Whether the demo runs without a display (the offscreen platform).
bool headless();
