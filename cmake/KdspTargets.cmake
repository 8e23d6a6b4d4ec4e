# Shared compile settings and the rule that keeps the core layers free of Qt.

add_library(kdsp_warnings INTERFACE)
target_compile_options(kdsp_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(KDSP_WARNINGS_AS_ERRORS)
  target_compile_options(kdsp_warnings INTERFACE -Werror)
endif()

if(KDSP_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fuzzing needs coverage instrumentation in every library the targets link.
if(KDSP_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

set_property(GLOBAL PROPERTY KDSP_CORE_TARGETS "")

# kdsp_core_library(NAME SOURCES...) declares a library of a core layer.
# Core layers must run without a window; the check below fails the
# configure step if one of them links Qt.
function(kdsp_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE kdsp_warnings)
  set_property(GLOBAL APPEND PROPERTY KDSP_CORE_TARGETS ${name})
endfunction()

function(kdsp_check_core_targets_free_of_qt)
  get_property(targets GLOBAL PROPERTY KDSP_CORE_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs ilibs)
      if(lib MATCHES "Qt")
        message(FATAL_ERROR "core target ${target} links ${lib}; core layers must not use Qt")
      endif()
    endforeach()
  endforeach()
endfunction()

# kdsp_test(NAME SOURCES... LIBS libs...) builds a GoogleTest program and
# registers every case with CTest.
function(kdsp_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main kdsp_warnings)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
