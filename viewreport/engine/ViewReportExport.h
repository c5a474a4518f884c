#pragma once

// The export macro of ORXOCXViewReport. The library is built with hidden visibility:
// only the classes and functions marked ORX_VIEWREPORT_EXPORT are its public API,
// everything else stays inside it. ORX_VIEWREPORT_BUILDING is defined while the
// library itself is built (it selects dllexport over dllimport on Windows).
#if defined(_WIN32)
#  if defined(ORX_VIEWREPORT_BUILDING)
#    define ORX_VIEWREPORT_EXPORT __declspec(dllexport)
#  else
#    define ORX_VIEWREPORT_EXPORT __declspec(dllimport)
#  endif
#else
#  define ORX_VIEWREPORT_EXPORT __attribute__((visibility("default")))
#endif
