#pragma once

// Each benchmark that has a target names its anchor, measured in the same
// run; after the run the main prints every ratio beside its target.
//
//   ORX_COMPARE(Keystroke, "BM_Keystroke_TextBox", "BM_Keystroke_QLineEdit",
//               orx::bench::AtMost, 1.0);
//
// The ratio is subject / anchor of the real time per iteration, or of a
// named counter when one is given (for example a peak-memory counter).
#include <string>
#include <vector>

namespace orx::bench {

enum Direction { AtMost, AtLeast };

struct Comparison {
    std::string name;
    std::string subject;
    std::string anchor;
    Direction direction;
    double target;
    std::string counter;  // empty: real time per iteration
};

std::vector<Comparison>& comparisons();

struct Register {
    explicit Register(Comparison c) { comparisons().push_back(std::move(c)); }
};

}  // namespace orx::bench

#define ORX_COMPARE_CAT2(a, b) a##b
#define ORX_COMPARE_CAT(a, b) ORX_COMPARE_CAT2(a, b)
#define ORX_COMPARE(id, subject, anchor, direction, target, ...)                                                    \
    static const ::orx::bench::Register ORX_COMPARE_CAT(orxCompare_, id)(                                          \
        ::orx::bench::Comparison{#id, subject, anchor, direction, target, "" __VA_ARGS__})
