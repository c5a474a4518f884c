#pragma once

// The regional settings the date tests run under: the two fixed sets and
// three variants that move a separator.
#include "platform/basic/Regional.h"

namespace orx::test {

enum class Profile { US, IT, ItalianDotTime, DashDates, German };

inline basic::RegionalSettings settingsOf(Profile p)
{
    using basic::RegionalSettings;
    switch (p) {
    case Profile::US:
        return RegionalSettings::unitedStates();
    case Profile::IT:
        return RegionalSettings::italian();
    case Profile::ItalianDotTime: {
        RegionalSettings s = RegionalSettings::italian();
        s.timeSeparator = QStringLiteral(".");
        s.longTimePattern = QStringLiteral("HH.mm.ss");
        return s;
    }
    case Profile::DashDates: {
        RegionalSettings s = RegionalSettings::unitedStates();
        s.dateSeparator = QStringLiteral("-");
        return s;
    }
    case Profile::German: {
        RegionalSettings s = RegionalSettings::italian();
        s.dateSeparator = QStringLiteral(".");
        s.shortDatePattern = QStringLiteral("dd.MM.yyyy");
        return s;
    }
    }
    return RegionalSettings::unitedStates();
}

inline const char* nameOf(Profile p)
{
    switch (p) {
    case Profile::US: return "US";
    case Profile::IT: return "IT";
    case Profile::ItalianDotTime: return "IT with . time";
    case Profile::DashDates: return "US with - dates";
    case Profile::German: return "IT with . dates";
    }
    return "";
}

}  // namespace orx::test
