# Build speed, set from the top so that the folders' source lists stay as
# they are: precompiled headers shared by every target of a kind, and unity
# builds (batches of sources compiled as one unit) for the libraries.
#
# Test files are batched too: two of them defining one helper alike fail
# the build, which keeps helpers in the shared support headers.
#
# The batches are written here rather than by CMake's UNITY_BUILD, whose
# batch files name each source by its absolute path: the compiler cache
# then misses for every batch in a second clone. These name each source
# relative to the batch file, and the cache's base folder makes the rest of
# the command line relative, so a clone elsewhere compiles nothing again.
#
# Kinds: a library of src/ without widgets, one with widgets, and a test.
# A host target per kind builds its header once and the others reuse it; it
# is only used by units compiled with the same language and code flags, so
# the host gets the same warnings and, like every Qt user, -fPIC. The
# programs' main.cpp are single units: no header for them.
option(ARC_PRECOMPILED_HEADERS "Precompile the Qt and standard headers" ON)
option(ARC_UNITY_BUILD "Compile each library's sources in batches" ON)
set(ARC_UNITY_BATCH_SIZE 8 CACHE STRING "Sources per unity batch")

set(ARC_PCH_CORE
  <algorithm> <array> <functional> <memory> <optional> <utility> <vector> <unordered_map>
  <QByteArray> <QCoreApplication> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash>
  <QList> <QObject> <QSet> <QString> <QStringList> <QVariant> <QVariantList> <QVariantMap>)
set(ARC_PCH_WIDGETS ${ARC_PCH_CORE}
  <QFrame> <QImage> <QLabel> <QLineEdit> <QMessageBox> <QPushButton> <QWidget>)
set(ARC_PCH_TESTS ${ARC_PCH_CORE} <QTemporaryDir> <gtest/gtest.h>)

set(ARC_PCH_HOST_SOURCE ${CMAKE_BINARY_DIR}/arc_pch_host.cpp)
file(CONFIGURE OUTPUT ${ARC_PCH_HOST_SOURCE} CONTENT "// The unit that makes a shared precompiled header.\n")

# arc_pch_host(kind link-libraries...)
function(arc_pch_host kind)
  add_library(arc_pch_${kind} OBJECT ${ARC_PCH_HOST_SOURCE})
  target_link_libraries(arc_pch_${kind} PRIVATE ${ARGN})
  # The same warnings as its users: -Wpedantic changes what is predefined.
  arc_warnings(arc_pch_${kind})
  string(TOUPPER ${kind} upper)
  target_precompile_headers(arc_pch_${kind} PRIVATE ${ARC_PCH_${upper}})
endfunction()

# Whether `target` links Qt Widgets, directly or through our libraries.
function(arc_uses_widgets target out)
  set(found OFF)
  get_target_property(links ${target} LINK_LIBRARIES)
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  foreach(lib IN LISTS links interface)
    if(lib STREQUAL "Qt6::Widgets" OR lib STREQUAL "Qt6::PrintSupport")
      set(found ON)
    elseif(lib MATCHES "^arc_" AND TARGET ${lib} AND NOT lib STREQUAL target)
      arc_uses_widgets(${lib} sub)
      if(sub)
        set(found ON)
      endif()
    endif()
    if(found)
      break()
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Every target made in `dir` and the folders below it.
function(arc_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    arc_targets_below(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The sources of `target`, absolute, that are compiled (C++, not generated).
function(arc_compiled_sources target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  set(found "")
  foreach(src IN LISTS sources)
    if(src MATCHES "\\$<" OR NOT src MATCHES "\\.cpp$")
      continue()
    endif()
    get_filename_component(path ${src} ABSOLUTE BASE_DIR ${dir})
    get_source_file_property(generated ${path} DIRECTORY ${dir} GENERATED)
    if(NOT generated)
      list(APPEND found ${path})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# arc_unity_batches(target shared): compile the sources of `target` in
# batches of ARC_UNITY_BATCH_SIZE. A source also compiled by a target that is
# not batched (listed in `shared`) stays on its own: whether a source is
# compiled is a property of its folder, not of the target.
function(arc_unity_batches target shared)
  arc_compiled_sources(${target} sources)
  list(REMOVE_ITEM sources ${shared})
  list(LENGTH sources count)
  if(count LESS 2)
    return()
  endif()
  get_target_property(dir ${target} SOURCE_DIR)
  get_target_property(bindir ${target} BINARY_DIR)
  set(batchdir ${bindir}/${target}_unity)
  set(batches "")
  math(EXPR last "(${count} - 1) / ${ARC_UNITY_BATCH_SIZE}")
  foreach(index RANGE ${last})
    math(EXPR first "${index} * ${ARC_UNITY_BATCH_SIZE}")
    list(SUBLIST sources ${first} ${ARC_UNITY_BATCH_SIZE} members)
    set(content "")
    foreach(path IN LISTS members)
      file(RELATIVE_PATH relative ${batchdir} ${path})
      string(APPEND content "#include \"${relative}\"\n")
      set_source_files_properties(${path} DIRECTORY ${dir} PROPERTIES HEADER_FILE_ONLY ON)
    endforeach()
    file(CONFIGURE OUTPUT ${batchdir}/batch_${index}.cpp CONTENT "${content}")
    list(APPEND batches ${batchdir}/batch_${index}.cpp)
  endforeach()
  target_sources(${target} PRIVATE ${batches})
endfunction()

# Called last from the top: the libraries of src/ and the test executables.
function(arc_speed_up_build)
  set(batched "")
  arc_targets_below(${PROJECT_SOURCE_DIR}/src libraries)
  if(ARC_BUILD_TESTS)
    arc_targets_below(${PROJECT_SOURCE_DIR}/tests tests)
  endif()
  if(ARC_PRECOMPILED_HEADERS)
    arc_pch_host(core Qt6::Core)
    arc_pch_host(widgets Qt6::Widgets)
    if(ARC_BUILD_TESTS)
      find_package(GTest REQUIRED)
      arc_pch_host(tests Qt6::Core GTest::gtest)
    endif()
  endif()
  foreach(target IN LISTS libraries)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "STATIC_LIBRARY")
      continue()
    endif()
    list(APPEND batched ${target})
    if(ARC_PRECOMPILED_HEADERS)
      arc_uses_widgets(${target} widgets)
      if(widgets)
        target_precompile_headers(${target} REUSE_FROM arc_pch_widgets)
      else()
        target_precompile_headers(${target} REUSE_FROM arc_pch_core)
      endif()
    endif()
  endforeach()
  foreach(target IN LISTS tests)
    get_target_property(type ${target} TYPE)
    get_target_property(links ${target} LINK_LIBRARIES)
    if(type STREQUAL "EXECUTABLE" AND "GTest::gtest" IN_LIST links)
      list(APPEND batched ${target})
      if(ARC_UNITY_BUILD)
        # A fixture in a test file's anonymous namespace is a base of the
        # tests GoogleTest makes in that same file; in a batch the compiler
        # takes the file for a header and warns of it.
        target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
      endif()
      if(ARC_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} REUSE_FROM arc_pch_tests)
      endif()
    endif()
  endforeach()
  if(NOT ARC_UNITY_BUILD)
    return()
  endif()
  # The sources that targets left unbatched compile, wherever they lie.
  arc_targets_below(${PROJECT_SOURCE_DIR} everything)
  set(shared "")
  foreach(target IN LISTS everything)
    get_target_property(type ${target} TYPE)
    if(NOT target IN_LIST batched AND NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT type STREQUAL "UTILITY")
      arc_compiled_sources(${target} sources)
      list(APPEND shared ${sources})
    endif()
  endforeach()
  foreach(target IN LISTS batched)
    arc_unity_batches(${target} "${shared}")
  endforeach()
endfunction()
