# Fails on any include the dependency table below does not allow.
#
# Every file under src/ belongs to one library: a source file to the library that compiles it (as
# listed in SOURCES_FILE, written at configure time), a header to the library of its source file
# of the same name. Any other file belongs to its folder's UI library when it sits in ui/ or is a
# frm*/dlg* form, otherwise to its folder's logic library; files of libraries the build leaves
# out (the Qt parts in the core-only build) are not checked. Qt headers are looked up in
# QT_INCLUDE to find their module; without Qt (the core-only build) every Qt include fails.
#
# Inputs: SRC (the src folder), SOURCES_FILE ("library=path" entries), QT_INCLUDE (optional).
cmake_minimum_required(VERSION 3.25)

# Which libraries' headers each library may include besides its own, and which Qt modules.
# A folder's logic library uses QtCore at most; its `_ui` library holds windows, painting and
# sound, and only the sound module (loaded at run time) uses Qt Multimedia. engine, files
# (platform/SafeFile), history, solver and the companion use no Qt at all.
set(rules
  # library     | Qt modules                   | may include the headers of
  "engine       |                              |"
  "files        |                              |"
  "history      |                              | engine files"
  "solver       |                              | engine"
  "cli          |                              | engine files history solver"
  "platform     | Core                         | files"
  "library      | Core                         | engine files history platform"
  "scores       | Core                         | engine files history platform library"
  "appearance   | Core                         | engine files history platform library"
  "mainwindow   | Core                         | engine files history platform library scores
                                                 appearance solver"
  "library_ui   | Core Gui Widgets             | engine files history platform library"
  "scores_ui    | Core Gui Widgets             | engine files history platform library library_ui
                                                 scores"
  "appearance_ui| Core Gui Widgets             | engine files history platform library library_ui
                                                 appearance"
  "sound        | Core Multimedia              | appearance"
  "mainwindow_ui| Core Gui Widgets             | engine files history platform library library_ui
                                                 scores scores_ui appearance appearance_ui solver
                                                 mainwindow"
  "app          | Core Gui Widgets             | engine files history platform library library_ui
                                                 scores scores_ui appearance appearance_ui solver
                                                 mainwindow mainwindow_ui"
)
# The library compiled from each folder's files when they are not in the table under their own
# folder name.
set(folder_library_app app)
set(folder_library_cli cli)

foreach(rule IN LISTS rules)
  string(REPLACE "|" ";" fields "${rule}")
  list(GET fields 0 name)
  list(GET fields 1 modules)
  list(GET fields 2 deps)
  string(STRIP "${name}" name)
  string(REGEX REPLACE "[ \t\n]+" ";" deps "${deps}")
  string(REGEX REPLACE "[ \t\n]+" ";" modules "${modules}")
  list(REMOVE_ITEM deps "")
  list(REMOVE_ITEM modules "")
  list(APPEND known ${name})
  set(deps_${name} ${name} ${deps})
  set(qt_${name} ${modules})
endforeach()

# Which library compiles each source file.
file(READ "${SOURCES_FILE}" entries)
set(built "")
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${entry}")
  string(MAKE_C_IDENTIFIER "${CMAKE_MATCH_2}" key)
  set(lib_of_${key} ${CMAKE_MATCH_1})
  list(APPEND built ${CMAKE_MATCH_1})
  if(NOT "${CMAKE_MATCH_1}" IN_LIST known)
    list(APPEND failed "library ${CMAKE_MATCH_1} has no row in the table")
  endif()
endforeach()
list(REMOVE_DUPLICATES built)

# Sets `out` to the library `path` belongs to; empty when it belongs to none.
function(library_of path out)
  string(MAKE_C_IDENTIFIER "${path}" key)
  if(DEFINED lib_of_${key})
    set(${out} ${lib_of_${key}} PARENT_SCOPE)
    return()
  endif()
  if(path MATCHES "\\.h$")
    string(REGEX REPLACE "\\.h$" ".cpp" source "${path}")
    string(MAKE_C_IDENTIFIER "${source}" key)
    if(DEFINED lib_of_${key})
      set(${out} ${lib_of_${key}} PARENT_SCOPE)
      return()
    endif()
  endif()
  file(RELATIVE_PATH relative "${SRC}" "${path}")
  string(REGEX MATCH "^[^/]+" folder "${relative}")
  get_filename_component(base "${path}" NAME)
  set(lib ${folder})
  if(DEFINED folder_library_${folder})
    set(lib ${folder_library_${folder}})
  endif()
  if(relative MATCHES "/ui/" OR base MATCHES "^(frm|dlg)")
    set(lib ${lib}_ui)
  endif()
  if(path MATCHES "\\.cpp$" AND "${lib}" IN_LIST built)
    # A source file no library compiles, in a folder that is built.
    set(lib "")
  endif()
  set(${out} "${lib}" PARENT_SCOPE)
endfunction()

# Sets `out` to the Qt module (Core, Gui, ...) that provides `header`, or "?" when none does.
function(qt_module_of header out)
  if(header MATCHES "^Qt([A-Za-z]+)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
    return()
  endif()
  set(module "?")
  if(QT_INCLUDE)
    file(GLOB hits "${QT_INCLUDE}/Qt*/${header}")
    if(hits)
      list(GET hits 0 hit)
      get_filename_component(dir "${hit}" DIRECTORY)
      get_filename_component(dir "${dir}" NAME)
      string(REGEX REPLACE "^Qt" "" module "${dir}")
    endif()
  endif()
  set(${out} ${module} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files "${SRC}/*.h" "${SRC}/*.cpp")
set(checked 0)
foreach(f IN LISTS files)
  library_of("${f}" lib)
  file(RELATIVE_PATH shown "${SRC}" "${f}")
  if("${lib}" STREQUAL "")
    list(APPEND failed "${shown}: compiled by no library")
    continue()
  endif()
  if(NOT "${lib}" IN_LIST built)
    # A Qt part in the core-only build: not compiled, nothing to check.
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
    set(header "${CMAKE_MATCH_1}")
    if(line MATCHES "include[ \t]*\"")
      get_filename_component(dir "${f}" DIRECTORY)
      if(EXISTS "${SRC}/${header}")
        set(target "${SRC}/${header}")
      elseif(EXISTS "${dir}/${header}")
        get_filename_component(target "${dir}/${header}" ABSOLUTE)
      else()
        list(APPEND failed "${shown}: \"${header}\" is not a header under src/")
        continue()
      endif()
      library_of("${target}" to)
      if(NOT "${to}" IN_LIST deps_${lib})
        list(APPEND failed "${shown} (${lib}): \"${header}\" belongs to ${to}")
      endif()
    elseif(header MATCHES "^Q")
      string(MAKE_C_IDENTIFIER "${header}" key)
      if(NOT DEFINED module_${key})
        qt_module_of("${header}" module_${key})
      endif()
      if(NOT "${module_${key}}" IN_LIST qt_${lib})
        list(APPEND failed "${shown} (${lib}): <${header}> is Qt ${module_${key}}")
      endif()
    endif()
  endforeach()
endforeach()

if(failed)
  list(JOIN failed "\n" text)
  message(FATAL_ERROR "Includes the dependency table does not allow:\n${text}")
endif()
message(STATUS "${checked} files follow the dependency table")
