# Installation of the shipped libraries, their public headers, orx-report,
# the sample reports and (when it is built) the Qt Designer plugin, with a
# CMake package (find_package(ORX 1.0 COMPONENTS Tools ViewReport)) and
# pkg-config files. Included at the end of the top-level CMakeLists.txt, so
# that every target exists.
#
# Install components (the Debian packages of cmake/Packaging.cmake):
#   runtime  the shared libraries, orx-report, the samples
#   dev      headers, the library links, the CMake package, pkg-config files
#   designer the Qt Designer plugin
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ORX_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/orx)
set(ORX_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ORX)
set(ORX_INSTALL_SAMPLESDIR ${CMAKE_INSTALL_DATADIR}/orx/samples)

# Library target, the name it has in the package (ORX::<name>), its pkg-config
# module, the modules and Qt modules it needs, and its header folders.
set(_orx_libraries ORXPlatform ORXHost ORXReportRT ORX_Tools ORXOCXViewReport)
set(_orx_ORXPlatform_name Platform)
set(_orx_ORXPlatform_requires "Qt6Core")
set(_orx_ORXPlatform_headers platform/basic platform/profile platform/app)
set(_orx_ORXHost_name Host)
set(_orx_ORXHost_requires "orx-platform Qt6Core Qt6Gui Qt6Widgets")
set(_orx_ORXHost_headers platform/host platform/draw platform/com)
set(_orx_ORXReportRT_name ReportRT)
set(_orx_ORXReportRT_requires "orx-host orx-platform Qt6Core Qt6Gui Qt6Widgets Qt6Sql Qt6PrintSupport")
set(_orx_ORXReportRT_headers reportrt)
set(_orx_ORX_Tools_name Tools)
set(_orx_ORX_Tools_requires "orx-host orx-platform Qt6Core Qt6Gui Qt6Widgets")
set(_orx_ORX_Tools_headers tools)
set(_orx_ORXOCXViewReport_name ViewReport)
set(_orx_ORXOCXViewReport_requires "orx-reportrt orx-host orx-platform Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport")
set(_orx_ORXOCXViewReport_headers viewreport)

# The .pc files find the prefix from where they lie, so an installation can move.
set(ORX_PC_UP "")
string(REPLACE "/" ";" _parts "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
foreach(_part IN LISTS _parts)
  string(APPEND ORX_PC_UP "/..")
endforeach()

foreach(_lib IN LISTS _orx_libraries)
  set(_name ${_orx_${_lib}_name})
  # The libraries find each other beside themselves wherever they are installed.
  set_target_properties(${_lib} PROPERTIES EXPORT_NAME ${_name} INSTALL_RPATH "$ORIGIN")
  target_include_directories(${_lib} PUBLIC $<INSTALL_INTERFACE:${ORX_INSTALL_INCLUDEDIR}>)
  # Within this build the package's names work too.
  if(NOT TARGET ORX::${_name})
    add_library(ORX::${_name} ALIAS ${_lib})
  endif()
  # Headers keep their paths from the source root (#include "tools/textbox/ORXTextBox.h");
  # the private sides of the controls and the test doubles stay out.
  foreach(_folder IN LISTS _orx_${_lib}_headers)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${_folder}/ DESTINATION ${ORX_INSTALL_INCLUDEDIR}/${_folder}
      COMPONENT dev FILES_MATCHING PATTERN "*.h"
      PATTERN "*_p.h" EXCLUDE PATTERN "testing" EXCLUDE PATTERN "recording" EXCLUDE)
  endforeach()
  string(TOLOWER "orx-${_name}" _module)
  set(ORX_PC_NAME ${_module})
  set(ORX_PC_LIBRARY ${_lib})
  set(ORX_PC_REQUIRES ${_orx_${_lib}_requires})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/orx.pc.in ${PROJECT_BINARY_DIR}/pkgconfig/${_module}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${_module}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)
endforeach()

install(TARGETS ${_orx_libraries} EXPORT ORXTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
  INCLUDES DESTINATION ${ORX_INSTALL_INCLUDEDIR})

# orx-report finds the libraries beside it once installed.
set_target_properties(orx-report PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS orx-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(FILES ${PROJECT_SOURCE_DIR}/samples/ORXCurrency.INI DESTINATION ${ORX_INSTALL_SAMPLESDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/reports/ DESTINATION ${ORX_INSTALL_SAMPLESDIR}/reports
  COMPONENT runtime FILES_MATCHING PATTERN "*.RPT" PATTERN "*.sql")

# The Designer plugin, when this build has one (designer/ is added only
# where Qt's Designer development files are found).
set(_orx_designer_target "")
if(TARGET orx_designer)
  set(_orx_designer_target orx_designer)
endif()
if(_orx_designer_target)
  set(ORX_INSTALL_DESIGNERDIR ${CMAKE_INSTALL_LIBDIR}/qt6/plugins/designer CACHE STRING
      "Where the Qt Designer plugin is installed (relative to the prefix)")
  set_target_properties(${_orx_designer_target} PROPERTIES INSTALL_RPATH "$ORIGIN/../../..")
  install(TARGETS ${_orx_designer_target} LIBRARY DESTINATION ${ORX_INSTALL_DESIGNERDIR} COMPONENT designer)
endif()
set(ORX_HAS_DESIGNER_PLUGIN ${_orx_designer_target})

install(EXPORT ORXTargets NAMESPACE ORX:: DESTINATION ${ORX_INSTALL_CMAKEDIR} COMPONENT dev)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ORXConfig.cmake.in ${PROJECT_BINARY_DIR}/cmake/ORXConfig.cmake
  INSTALL_DESTINATION ${ORX_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/cmake/ORXConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/cmake/ORXConfig.cmake ${PROJECT_BINARY_DIR}/cmake/ORXConfigVersion.cmake
  DESTINATION ${ORX_INSTALL_CMAKEDIR} COMPONENT dev)
