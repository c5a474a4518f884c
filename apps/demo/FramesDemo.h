#pragma once

#include <QWidget>
#include <memory>

// A form of preview boxes: the four frame effects of a 3D control, and the
// two flat looks (a single black border, and no border).
std::unique_ptr<QWidget> makeFramesForm();
