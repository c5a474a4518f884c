# Installs the build into a fresh prefix, then configures, builds and runs
# tests/package/consumer against it, and checks the pkg-config files.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P RunConsumer.cmake
foreach(var BUILD_DIR SOURCE_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunConsumer.cmake needs -D${var}=...")
  endif()
endforeach()
set(prefix ${WORK_DIR}/prefix)
set(consumer ${WORK_DIR}/consumer-build)
file(REMOVE_RECURSE ${WORK_DIR})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  message(STATUS "${what}: ok")
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(file lib/cmake/ORX/ORXConfig.cmake lib/cmake/ORX/ORXConfigVersion.cmake lib/cmake/ORX/ORXTargets.cmake
             include/orx/tools/textbox/ORXTextBox.h include/orx/viewreport/engine/ORXDLLViewReport.h bin/orx-report
             share/orx/samples/reports/Orders.RPT)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the installation has no ${file}")
  endif()
endforeach()
file(GLOB_RECURSE private_headers ${prefix}/include/*_p.h ${prefix}/include/*/testing/*.h)
if(private_headers)
  message(FATAL_ERROR "private or test headers were installed: ${private_headers}")
endif()

run("configure the consumer" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/package/consumer -B ${consumer} -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("build the consumer" ${CMAKE_COMMAND} --build ${consumer})
set(ENV{QT_QPA_PLATFORM} offscreen)
run("run the consumer" ${consumer}/orx-consumer)
message(STATUS "${last_output}")
run("run the installed orx-report" ${prefix}/bin/orx-report check ${prefix}/share/orx/samples/reports/Orders.RPT)

# A version the package is not: refused.
file(WRITE ${WORK_DIR}/too-new/CMakeLists.txt
  "cmake_minimum_required(VERSION 3.25)\nproject(TooNew LANGUAGES CXX)\nfind_package(ORX 2.0 REQUIRED COMPONENTS Tools)\n")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK_DIR}/too-new -B ${WORK_DIR}/too-new/build -DCMAKE_PREFIX_PATH=${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(rc EQUAL 0)
  message(FATAL_ERROR "find_package(ORX 2.0) was accepted by version 1")
endif()

# pkg-config: every module resolves from the moved prefix, to its folders.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
  run("pkg-config" ${PKG_CONFIG} --cflags --libs orx-platform orx-host orx-reportrt orx-tools orx-viewreport)
  if(NOT last_output MATCHES "-I${prefix}/lib/pkgconfig/../../include/orx" OR NOT last_output MATCHES "-lORX_Tools")
    message(FATAL_ERROR "pkg-config gives: ${last_output}")
  endif()
endif()
file(REMOVE_RECURSE ${WORK_DIR})
