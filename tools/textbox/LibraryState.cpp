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

}  // namespace orx::tools::textbox
