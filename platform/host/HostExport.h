#pragma once

// The export macro of ORXHost. The library is built with hidden visibility:
// only the classes and functions marked ORX_HOST_EXPORT are its public API,
// everything else stays inside it. ORX_HOST_BUILDING is defined while the
// library itself is built (it selects dllexport over dllimport on Windows).
#if defined(_WIN32)
#  if defined(ORX_HOST_BUILDING)
#    define ORX_HOST_EXPORT __declspec(dllexport)
#  else
#    define ORX_HOST_EXPORT __declspec(dllimport)
#  endif
#else
#  define ORX_HOST_EXPORT __attribute__((visibility("default")))
#endif
