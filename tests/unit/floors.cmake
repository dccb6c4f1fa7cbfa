# The host's, the renderer's and the desk's folders stand in floors: a file
# may include its own folder and folders on lower floors, never a peer or
# anything above, and only platform glue (*_win32.*) includes <windows.h>,
# never in a portable floor. Host and renderer may include the desk, which
# both build from; nothing else of another tree. Fails naming every include
# that breaks that, and every folder without a floor.
#   cmake -DTREE=host|renderer|desk -DTREE_DIR=<source>/<tree> -P floors.cmake
set(floor_host_base 0)
set(floor_host_forms 1)
set(floor_host_widgets 2)
set(floor_host_music 2)
set(floor_host_settings 3)
set(floor_host_preview 3)
set(floor_host_session 3)
set(floor_host_app 4)

set(floor_renderer_scene 0)
set(floor_renderer_gl 1)
set(floor_renderer_app 2)

set(floor_desk_layout 0)
set(floor_desk_system 1)
set(portable_desk_layout TRUE)

set(uses_host desk)
set(uses_renderer desk)
set(foreign host renderer desk)
list(REMOVE_ITEM foreign ${TREE} ${uses_${TREE}})

file(GLOB_RECURSE sources RELATIVE ${TREE_DIR} ${TREE_DIR}/*.h ${TREE_DIR}/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" from "${source}")
  if(from STREQUAL source OR NOT DEFINED floor_${TREE}_${from})
    string(APPEND faults "\n  ${TREE}/${source}: folder '${from}' has no floor")
    continue()
  endif()
  file(STRINGS ${TREE_DIR}/${source} windows REGEX "^[ \t]*#[ \t]*include[ \t]*<windows.h>")
  if(windows AND (portable_${TREE}_${from} OR NOT source MATCHES "_win32\\.(h|cpp)$"))
    string(APPEND faults "\n  ${TREE}/${source}: includes <windows.h> but is not platform glue of a platform floor")
  endif()
  foreach(other IN LISTS foreign)
    file(STRINGS ${TREE_DIR}/${source} across REGEX "^[ \t]*#[ \t]*include[ \t]*\"${other}/")
    if(across)
      string(APPEND faults "\n  ${TREE}/${source}: includes ${other}/, which it may not build from")
    endif()
  endforeach()
  file(STRINGS ${TREE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"${TREE}/")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^\"]*\"${TREE}/([^\"]*)\".*" "\\1" target "${line}")
    string(REGEX MATCH "^[^/]+" to "${target}")
    if(NOT DEFINED floor_${TREE}_${to})
      string(APPEND faults "\n  ${TREE}/${source}: includes ${TREE}/${target}, folder '${to}' has no floor")
    elseif(NOT to STREQUAL from AND NOT floor_${TREE}_${to} LESS floor_${TREE}_${from})
      string(APPEND faults "\n  ${TREE}/${source}: includes ${TREE}/${target}, ${to} (floor ${floor_${TREE}_${to}}) is not below ${from} (floor ${floor_${TREE}_${from}})")
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(faults)
  message(FATAL_ERROR "includes against the ${TREE}'s floors:${faults}")
endif()
message(STATUS "${count} ${TREE} files include only their own folder and lower floors")
