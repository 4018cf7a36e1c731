# Helpers shared by every CMakeLists.txt of the project.

get_filename_component(TROV_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# Warnings for our own code; third-party headers come in as system headers and stay quiet.
add_library(trov_warnings INTERFACE)
target_compile_options(trov_warnings INTERFACE -Wall -Wextra $<$<BOOL:${TROV_WERROR}>:-Werror>)

if(TROV_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(TROV_SANITIZE STREQUAL "fuzzer")
  # clang: coverage for libFuzzer everywhere, the engine itself only in the fuzz targets (fuzz/).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(TROV_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT TROV_SANITIZE STREQUAL "")
  message(FATAL_ERROR "TROV_SANITIZE must be empty, address, thread or fuzzer")
endif()

# LLVM's linker when it is there: it links the test programs, each holding whole archives of the
# framework, several times faster than the default one.
if(NOT DEFINED TROV_LINKER)
  find_program(_trov_lld ld.lld)
  if(_trov_lld)
    set(TROV_LINKER lld)
  else()
    set(TROV_LINKER "")
  endif()
endif()
set(TROV_LINKER "${TROV_LINKER}" CACHE STRING "Linker passed as -fuse-ld (empty: the compiler's default)")
if(TROV_LINKER)
  add_link_options(-fuse-ld=${TROV_LINKER})
endif()

# Adds every direct subfolder of DIR that holds a CMakeLists.txt, in name order.
function(trov_add_subdirs dir)
  file(GLOB children RELATIVE ${TROV_ROOT}/${dir} ${TROV_ROOT}/${dir}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${TROV_ROOT}/${dir}/${child} AND EXISTS ${TROV_ROOT}/${dir}/${child}/CMakeLists.txt)
      add_subdirectory(${TROV_ROOT}/${dir}/${child} ${CMAKE_BINARY_DIR}/${dir}/${child})
    endif()
  endforeach()
endfunction()

# trov_library(NAME SOURCES ... [DEPS ...])
# One static library per src/ folder. Include paths are relative to src/.
# The code is the static library NAME_code; NAME links it whole into every program, because a
# class that only form definitions name registers itself from an object file that nothing else
# references, and a plain archive would leave that file out.
function(trov_library name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name}_code STATIC ${L_SOURCES})
  target_include_directories(${name}_code PUBLIC ${TROV_ROOT}/src)
  target_link_libraries(${name}_code PUBLIC ${L_DEPS} PRIVATE trov_warnings)
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}_code>")
endfunction()

# Aggregate targets: what the sanitizer builds compile.
if(NOT TARGET nongui_tests)
  add_custom_target(nongui_tests)
  add_custom_target(thread_tests)
endif()

# trov_test(NAME SOURCES ... LIBS ... LABELS unit|gui|integration|desktop|slow [threads] [TIMEOUT s])
# A GoogleTest executable; every test case becomes one ctest test carrying the labels.
#  gui          runs with the offscreen Qt platform; left out of the sanitizer builds
#  integration  runs inside the private network namespace of scripts/isolated
#  desktop      the real editor on an X server of its own with a window manager, also inside the
#               namespace; left out of the release preset, run by the desktop preset
#  threads      also built and run under ThreadSanitizer
function(trov_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  # The sanitizer builds cover the non-GUI libraries only.
  if(TROV_SANITIZE AND "gui" IN_LIST T_LABELS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_include_directories(${name} PRIVATE ${TROV_ROOT}/src ${TROV_ROOT}/tests ${TROV_ROOT})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main trov_warnings)
  set(env "QT_QPA_PLATFORM=offscreen;LC_NUMERIC=C;TROV_SOURCE_DIR=${TROV_ROOT}")
  if("integration" IN_LIST T_LABELS OR "desktop" IN_LIST T_LABELS)
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${TROV_ROOT}/scripts/isolated)
  endif()
  # gtest_discover_tests flattens list-valued PROPERTIES, so the labels and the environment are
  # applied by a script ctest includes after the discovered tests are known.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_LIST ${name}_TESTS)
  set(props "${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake")
  file(CONFIGURE OUTPUT "${props}" CONTENT [=[
if(@name@_TESTS)
  set_tests_properties(${@name@_TESTS} PROPERTIES LABELS "@T_LABELS@" TIMEOUT @T_TIMEOUT@ ENVIRONMENT "@env@")
endif()
]=] @ONLY)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${props}")
  if(NOT "gui" IN_LIST T_LABELS)
    add_dependencies(nongui_tests ${name})
  endif()
  if("threads" IN_LIST T_LABELS)
    add_dependencies(thread_tests ${name})
  endif()
endfunction()
