#include "reportrt/Viewer.h"

namespace orx::reportrt {

Viewer::Viewer(QWidget* parent)
    : QWidget(parent)
{
}

}  // namespace orx::reportrt
