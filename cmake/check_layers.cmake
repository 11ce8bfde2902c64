cmake_minimum_required(VERSION 3.25)
# Checks that the code keeps to the library graph that CMake states: a file
# includes headers only from its own folder's library and from libraries
# that library links directly; a library links no library it never
# includes; and no include points up the layers. Our headers are included
# by their path from src in quotes only: an include in angle brackets or one
# that climbs with ".." would pass by the checks above.
#
# Run with -DSOURCE=<src folder> -DGRAPH=<file written at configure time>,
# whose lines read "name|folder|dependency,dependency,...".

# Lower layers first; a folder may include only from folders before it.
set(layers
  platform platform/qt platform/gl settings core/lsystem core/derive core/turtle core/mesh
  app views views/offscreen ui cli ui/main)

file(STRINGS "${GRAPH}" entries)
# The top folders of our libraries, as alternatives of a regular expression.
set(our_folders "")
foreach(layer IN LISTS layers)
  string(REGEX REPLACE "/.*" "" top "${layer}")
  list(APPEND our_folders "${top}")
endforeach()
list(REMOVE_DUPLICATES our_folders)
string(JOIN "|" our_folders ${our_folders})
set(failures 0)

function(layer_of folder out)
  list(FIND layers "${folder}" index)
  set(${out} ${index} PARENT_SCOPE)
endfunction()

foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 folder)
  set(folder_of_${name} "${folder}")
  set(library_in_${folder} "${name}")
endforeach()

foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 folder)
  list(LENGTH fields field_count)
  set(links "")
  if(field_count GREATER 2)
    list(GET fields 2 links)
    string(REPLACE "," ";" links "${links}")
  endif()
  layer_of("${folder}" own_layer)
  if(own_layer EQUAL -1)
    message(SEND_ERROR "${folder}: a folder with no place in the layers")
    math(EXPR failures "${failures} + 1")
  endif()
  set(included "")
  file(GLOB files "${SOURCE}/${folder}/*.h" "${SOURCE}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" bypasses REGEX "^#include (<(${our_folders})/|\"[^\"]*\\.\\./)")
    foreach(line IN LISTS bypasses)
      message(SEND_ERROR "${file}: ${line} names our header other than by its path from src in quotes")
      math(EXPR failures "${failures} + 1")
    endforeach()
    file(STRINGS "${file}" lines REGEX "^#include \"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      get_filename_component(header_folder "${header}" DIRECTORY)
      if(header_folder STREQUAL folder OR NOT DEFINED library_in_${header_folder})
        continue()
      endif()
      set(owner "${library_in_${header_folder}}")
      list(APPEND included "${owner}")
      layer_of("${header_folder}" their_layer)
      if(their_layer GREATER_EQUAL own_layer)
        message(SEND_ERROR "${file}: includes ${header}, which lies in a layer above or beside its own")
        math(EXPR failures "${failures} + 1")
      elseif(NOT owner IN_LIST links)
        message(SEND_ERROR "${file}: includes ${header} of ${owner}, which ${name} does not link")
        math(EXPR failures "${failures} + 1")
      endif()
    endforeach()
  endforeach()
  foreach(link IN LISTS links)
    if(DEFINED folder_of_${link} AND NOT link IN_LIST included)
      message(SEND_ERROR "${name} links ${link} but includes nothing of it")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} breaches of the library graph")
endif()
message(STATUS "The includes keep to the library graph")
