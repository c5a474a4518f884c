#include "platform/basic/Currency.h"
