#pragma once

#include <QList>

class QWidget;

// The property pages of one control of each kind found on the forms, as a
// design tool opens them. Without a display: saves a picture of every page
// (<out>/pages-<class>-<page>.png), then edits the first control's Tag on its
// page with the keyboard and presses Apply, printing the property before and
// after. With a display, nothing (the pages open from the Designer plugin).
void runPagesDemo(const QList<QWidget*>& forms);
