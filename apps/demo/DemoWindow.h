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

// The demo's output folder: $ORX_DEMO_OUT, else out/demo under the current folder.
QString demoOutFolder();

// The folder of the sample files: $ORX_SAMPLES, else samples/ found upwards
// from the program (a build folder inside the checkout), else share/orx/samples
// beside an installed program. Empty when none is found.
QString samplesFolder();

// Points the library folder, the per-user settings and the data folder into
// the output folder, so that the demo never touches the user's own files.
void useOwnFolders(const QString& out);
