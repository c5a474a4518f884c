#pragma once

// The export macro of ORXReportRT. The library is built with hidden
// visibility: only what is marked ORX_REPORTRT_EXPORT is its public API (the
// boundary, and the stages of our runtime that programs and tests use);
// everything else stays inside it. ORX_REPORTRT_BUILDING is defined while
// the library itself is built (it selects dllexport over dllimport on
// Windows).
#if defined(_WIN32)
#  if defined(ORX_REPORTRT_BUILDING)
#    define ORX_REPORTRT_EXPORT __declspec(dllexport)
#  else
#    define ORX_REPORTRT_EXPORT __declspec(dllimport)
#  endif
#else
#  define ORX_REPORTRT_EXPORT __attribute__((visibility("default")))
#endif
