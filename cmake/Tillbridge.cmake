# Build helpers shared by every folder: one library per source folder, one test
# program per test folder, warnings and precompiled headers set in one place.

if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(TB_CCACHE ccache)
  if(TB_CCACHE)
    # Precompiled headers need these sloppiness settings or ccache never hits.
    set(CMAKE_CXX_COMPILER_LAUNCHER
        env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${TB_CCACHE})
    set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
  endif()
endif()

add_library(tb_options INTERFACE)
target_compile_options(tb_options INTERFACE -Wall -Wextra -Wshadow=local -Wnon-virtual-dtor
                       -Woverloaded-virtual -Wno-missing-field-initializers)
if(TB_WERROR)
  target_compile_options(tb_options INTERFACE -Werror)
endif()
if(TB_SANITIZE)
  target_compile_options(tb_options INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(tb_options INTERFACE -fsanitize=address,undefined)
endif()
option(TB_TSAN "Build with ThreadSanitizer" OFF)
if(TB_TSAN)
  target_compile_options(tb_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(tb_options INTERFACE -fsanitize=thread)
endif()
if(TB_SANITIZE OR TB_TSAN)
  # Sanitized code runs several times slower: waits for a peer's answer scale with it.
  target_compile_definitions(tb_options INTERFACE TB_SANITIZED)
endif()
target_compile_definitions(tb_options INTERFACE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII_WARNING
                           QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

set(TB_PCH_CORE <QtCore/QString> <QtCore/QByteArray> <QtCore/QList> <QtCore/QHash>
    <QtCore/QObject> <QtCore/QDir> <QtCore/QFile> <QtCore/QDateTime> <QtCore/QVariant>
    <cstdint> <memory> <string> <vector> <map> <functional> <stdexcept> <algorithm> <mutex>)
set(TB_PCH_GUI <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QLabel>
    <QtWidgets/QPushButton> <QtWidgets/QLineEdit> <QtGui/QPainter>)

# A folder that cannot be built yet is skipped while work is in progress; in a CI build
# (warnings as errors) it is an error, so nothing is silently left out.
function(tb_skip text)
  if(TB_WERROR)
    message(FATAL_ERROR "${text}")
  else()
    message(STATUS "${text}")
  endif()
endfunction()

# Precompiled headers only when asked for: with GCC each header image is well over 100 MB and
# loading it costs more than it saves (a full CI build took 16 min with them, 5.5 min without).
function(tb_pch)
  if(TB_PCH)
    target_precompile_headers(${ARGN})
  endif()
endfunction()

# Ninja reruns moc only for the headers it saw at the last moc run, so a header with signals
# that a folder's glob adds later would fail to link in an existing build folder. When the
# glob's list changes, the moc step's stamp is removed, which makes Ninja run it again.
function(tb_autogen_follows_sources target)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  string(REPLACE ";" "\n" content "${ARGN}")
  set(old "")
  if(EXISTS ${list_file})
    file(READ ${list_file} old)
  endif()
  if(NOT old STREQUAL "${content}\n")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    file(WRITE ${list_file} "${content}\n")
  endif()
endfunction()

# tb_library(<name> [FORMS] [DEPS <targets>...] [SOURCES <extra>...])
# Builds every .cpp of the calling folder (not of its subfolders) into one library.
# FORMS marks a library of windows: skipped when TB_GUI is off, and it may use QtWidgets.
function(tb_library name)
  cmake_parse_arguments(A "FORMS" "" "DEPS;SOURCES" ${ARGN})
  if(A_FORMS AND NOT TB_GUI)
    # Remembered so that tests needing it are left out quietly too.
    set_property(GLOBAL APPEND PROPERTY TB_GUI_ONLY_TARGETS ${name})
    return()
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB cpps CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT cpps AND NOT A_SOURCES)
    tb_skip("${name}: no sources yet, not built")
    return()
  endif()
  foreach(dep ${A_DEPS})
    if(dep MATCHES "^tb_" AND NOT TARGET ${dep})
      tb_skip("${name}: needs ${dep}, not built")
      return()
    endif()
  endforeach()
  # Shared, so that every unit's start-up registrations run when the program loads.
  add_library(${name} SHARED ${srcs} ${A_SOURCES})
  tb_autogen_follows_sources(${name} ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC tb_options ${A_DEPS} Qt6::Core)
  if(A_FORMS)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
    tb_pch(${name} PRIVATE ${TB_PCH_CORE} ${TB_PCH_GUI})
  else()
    tb_pch(${name} PRIVATE ${TB_PCH_CORE})
  endif()
endfunction()

# tb_test(<name> [GUI] [DEPS <targets>...]) : one GoogleTest program of every *.cpp in
# the calling folder, with the shared test main; each test case is its own CTest test.
function(tb_test name)
  cmake_parse_arguments(A "GUI" "TIMEOUT" "DEPS" ${ARGN})
  if(A_GUI AND NOT TB_GUI)
    return()
  endif()
  get_property(gui_only GLOBAL PROPERTY TB_GUI_ONLY_TARGETS)
  foreach(dep ${A_DEPS})
    if(NOT TARGET ${dep})
      if(NOT dep IN_LIST gui_only)
        tb_skip("${name}: needs ${dep}, not built")
      endif()
      return()
    endif()
  endforeach()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB cpps CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT cpps)
    return()
  endif()
  add_executable(${name} ${srcs})
  tb_autogen_follows_sources(${name} ${srcs})
  if(A_GUI)
    target_link_libraries(${name} PRIVATE tb_testmain_gui)
  else()
    target_link_libraries(${name} PRIVATE tb_testmain)
  endif()
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock)
  tb_pch(${name} PRIVATE ${TB_PCH_CORE} <gtest/gtest.h>)
  set(timeout 120)
  if(A_TIMEOUT)
    set(timeout ${A_TIMEOUT})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES TIMEOUT ${timeout}
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TB_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# tb_bench(<name> DEPS <targets>...) : a Google Benchmark program from the given sources.
function(tb_bench name)
  cmake_parse_arguments(A "" "" "DEPS;SOURCES" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} benchmark::benchmark tb_options)
endfunction()
