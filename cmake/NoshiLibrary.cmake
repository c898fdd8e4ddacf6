# Precompiled headers (off unless asked for): the Qt and standard headers
# most sources include, each list compiled once in a small target of its own
# (noshi_pch_core, noshi_pch_widgets, noshi_pch_tests) and reused by every
# library and program of its kind: three files of 110-195 MB instead of one
# per target. A precompiled file is only used where the compile options match
# and every macro it was built with is defined the same way, so each host
# takes the fewest usage requirements (Qt's module macros) its kind shares;
# a target that does not match is told so by -Winvalid-pch.
# Measured here (clean build and one model header touched, -j4, no ccache):
# a third less user time, but loading the large files page by page costs
# so much system time that the total CPU came out even or worse when the
# machine was busy, and the touch no better: hence off by default.
# With ccache it also needs CCACHE_SLOPPINESS=pch_defines,time_macros.
option(NOSHI_PCH "Precompile the common Qt headers" OFF)
set(NOSHI_PCH_CORE <QByteArray> <QList> <QString> <QStringList>
    <algorithm> <array> <cmath> <functional> <memory> <optional> <vector>)
set(NOSHI_PCH_WIDGETS ${NOSHI_PCH_CORE} <QWidget>)
set(NOSHI_PCH_TESTS ${NOSHI_PCH_WIDGETS} <gtest/gtest.h>)

# noshi_pch_host(CORE|WIDGETS|TESTS link...): the target that compiles the
# list of that kind, with the usage requirements of the given links.
function(noshi_pch_host kind)
  if(NOT NOSHI_PCH)
    return()
  endif()
  string(TOLOWER "noshi_pch_${kind}" host)
  set(src "${CMAKE_BINARY_DIR}/${host}.cpp")
  file(CONFIGURE OUTPUT "${src}" CONTENT "// Only here to give ${host} a source.\n")
  add_library(${host} OBJECT "${src}")
  set_target_properties(${host} PROPERTIES AUTOMOC OFF)
  target_link_libraries(${host} PRIVATE ${ARGN})
  target_precompile_headers(${host} PRIVATE ${NOSHI_PCH_${kind}})
endfunction()

# noshi_precompile(target CORE|WIDGETS|TESTS): the target's sources start
# from the precompiled list of that kind.
function(noshi_precompile target kind)
  if(NOSHI_PCH)
    string(TOLOWER "noshi_pch_${kind}" host)
    target_precompile_headers(${target} REUSE_FROM ${host})
    # The moc file of most targets is empty, and loading the precompiled
    # file alone costs more than the few that are not spend parsing.
    get_target_property(bin ${target} BINARY_DIR)
    set_source_files_properties("${bin}/${target}_autogen/mocs_compilation.cpp"
      TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
endfunction()
noshi_pch_host(CORE Qt6::Core Qt6::Gui)
noshi_pch_host(WIDGETS Qt6::Widgets)

# noshi_library(target DIRS dir... [FILES glob...] [EXCLUDE regex] [LINKS item...])
# A static library from every .cpp and .h below the given folders (and the
# extra file globs). Sources are globbed so that adding a file never means
# editing a list; what a library links is listed by hand, and only what its
# sources include. An area without sources yet adds no target.
function(noshi_library target)
  cmake_parse_arguments(A "" "EXCLUDE" "DIRS;FILES;LINKS" ${ARGN})
  set(srcs "")
  foreach(dir IN LISTS A_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         "${CMAKE_SOURCE_DIR}/${dir}/*.cpp" "${CMAKE_SOURCE_DIR}/${dir}/*.h")
    list(APPEND srcs ${found})
  endforeach()
  foreach(pattern IN LISTS A_FILES)
    file(GLOB found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${pattern}")
    list(APPEND srcs ${found})
  endforeach()
  list(FILTER srcs EXCLUDE REGEX "/fuzz/")
  if(A_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${A_EXCLUDE}")
  endif()
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(NOT cpps)
    return()
  endif()
  add_library(${target} STATIC ${srcs})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${A_LINKS})
  target_compile_definitions(${target} PUBLIC NOSHI_SHARE_DIR="${CMAKE_SOURCE_DIR}/share")
  # No library builds before the folders are known to include one way.
  add_dependencies(${target} noshi_folder_check)
  # Widgets reach a library through Qt6::Widgets or a library that has them.
  if(A_LINKS MATCHES "Widgets|noshi_platform_widgets|noshi_preview|noshi_print|noshi_app")
    noshi_precompile(${target} WIDGETS)
  else()
    noshi_precompile(${target} CORE)
  endif()
endfunction()

# noshi_link_if_present(target item...): links the items that exist as targets
# (areas that have no sources yet add none).
function(noshi_link_if_present target)
  foreach(item IN LISTS ARGN)
    if(TARGET ${item})
      target_link_libraries(${target} PUBLIC ${item})
    endif()
  endforeach()
endfunction()

# The check that the folders include each other one way. It scans every
# source below the areas, writes the folder-include list to the build folder
# and fails the build when two folders include each other, directly or
# through others. Runs again whenever a source changes.
function(noshi_folder_check)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/*.cpp" "${CMAKE_SOURCE_DIR}/*.h")
  list(FILTER all EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/(build[^/]*|tests|\\.git)/")
  set(out "${CMAKE_BINARY_DIR}/folder-includes.txt")
  add_custom_command(OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -DOUT=${out}
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckFolderIncludes.cmake
    DEPENDS ${all} ${CMAKE_SOURCE_DIR}/cmake/CheckFolderIncludes.cmake
    COMMENT "Checking that folders include each other one way"
    VERBATIM)
  add_custom_target(noshi_folder_check DEPENDS "${out}")
endfunction()
