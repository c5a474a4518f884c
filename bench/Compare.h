#pragma once

// Each benchmark that has a target names its anchor, measured in the same
// run; after the run the main prints every ratio beside its target.
//
//   ORX_COMPARE(Keystroke, "BM_Keystroke_TextBox", "BM_Keystroke_QLineEdit",
//               orx::bench::AtMost, 1.0);
//
// The ratio is subject / anchor of the processor time per iteration. With
// ORX_COMPARE_COUNTERS it is a counter of one run over a counter of another
// (or of the same run: a benchmark that times its own anchor, or a
// peak-memory figure).
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
    std::string counter;         // empty: real time per iteration
    std::string anchorCounter;   // empty: the same as counter
};

std::vector<Comparison>& comparisons();

struct Register {
    explicit Register(Comparison c) { comparisons().push_back(std::move(c)); }
};

}  // namespace orx::bench

#define ORX_COMPARE_CAT2(a, b) a##b
#define ORX_COMPARE_CAT(a, b) ORX_COMPARE_CAT2(a, b)
#define ORX_COMPARE(id, subject, anchor, direction, target)                                                        \
    static const ::orx::bench::Register ORX_COMPARE_CAT(orxCompare_, id)(                                          \
        ::orx::bench::Comparison{#id, subject, anchor, direction, target, "", ""})
#define ORX_COMPARE_COUNTERS(id, subject, subjectCounter, anchor, anchorCounter, direction, target)                 \
    static const ::orx::bench::Register ORX_COMPARE_CAT(orxCompare_, id)(                                          \
        ::orx::bench::Comparison{#id, subject, anchor, direction, target, subjectCounter, anchorCounter})
