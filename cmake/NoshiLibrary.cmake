# Precompiled headers (off unless asked for): the Qt and standard headers
# nearly every source of an area starts with, parsed once per library
# instead of once per source. Libraries without widgets take the first list.
# Measured here, a clean build spent 8% less user time but three times the
# system time loading the large precompiled files, while rebuilding after
# one model header changed spent a third less; with ccache it also needs
# CCACHE_SLOPPINESS=pch_defines,time_macros to keep hitting the cache.
option(NOSHI_PCH "Precompile the common Qt headers" OFF)
set(NOSHI_PCH_CORE <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QList> <QPainter> <QString>
    <QStringList> <array> <functional> <memory> <optional> <vector>)
set(NOSHI_PCH_WIDGETS ${NOSHI_PCH_CORE} <QApplication> <QCheckBox> <QComboBox> <QGroupBox> <QLabel> <QLineEdit>
    <QPushButton> <QRadioButton> <QWidget>)

# noshi_precompile(target CORE|WIDGETS [extra headers...])
function(noshi_precompile target kind)
  if(NOSHI_PCH)
    target_precompile_headers(${target} PRIVATE ${NOSHI_PCH_${kind}} ${ARGN})
  endif()
endfunction()

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
