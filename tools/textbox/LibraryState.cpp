#include "tools/textbox/LibraryState.h"

namespace orx::tools::textbox {

namespace {
Separators& separators()
{
    static Separators shared = Separators::read();
    return shared;
}
}  // namespace

const Separators& sharedSeparators()
{
    return separators();
}

void ReadSeparators()
{
    separators() = Separators::read();
}

DropDownState& dropDownState()
{
    static DropDownState shared;
    return shared;
}

}  // namespace orx::tools::textbox
