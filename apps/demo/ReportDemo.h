#pragma once

// Runs the grouped sample report through the preview window: without a
// display it writes the window showing the first two pages as PNG, clicks a
// field and prints what the viewer says about it, and writes the report in
// every export format written so far under out/demo/report/, listing each
// file and its size; then shows the report in the viewer control on a host
// form, turns a page, clicks a field (printing the control's event with the
// field's name and value) and writes a picture of the form. With a display
// the window stays open.
// Returns whether a window was left open.
bool runReportDemo();
