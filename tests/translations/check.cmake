# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Checks that every catalogue is complete and up to date with the sources: lupdate, run on
# copies, changes nothing, and no entry is unfinished, vanished or obsolete.
#   cmake -DLUPDATE=lupdate -DSOURCE_DIR=dir -DSOURCES_FILE=list -DWORK_DIR=dir
#         -DCATALOGUES=a.ts,b.ts -DPLURALS=en.ts -P check.cmake
file(STRINGS "${SOURCES_FILE}" sources)
string(REPLACE "," ";" catalogues "${CATALOGUES}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures "")

function(check_catalogues options)
  set(copies "")
  foreach(catalogue IN LISTS ARGN)
    get_filename_component(name "${catalogue}" NAME)
    configure_file("${catalogue}" "${WORK_DIR}/${name}" COPYONLY)
    list(APPEND copies "${WORK_DIR}/${name}")
  endforeach()
  execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${options}
                          -I "${SOURCE_DIR}" ${sources} -ts ${copies}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    set(failures "${failures}lupdate failed (${status})\n" PARENT_SCOPE)
    return()
  endif()
  foreach(catalogue IN LISTS ARGN)
    get_filename_component(name "${catalogue}" NAME)
    file(READ "${catalogue}" committed)
    file(READ "${WORK_DIR}/${name}" updated)
    if(NOT committed STREQUAL updated)
      set(failures "${failures}${name} is not up to date with the sources\n")
    endif()
    if(updated MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      set(failures "${failures}${name} has ${CMAKE_MATCH_1} entries\n")
    endif()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_catalogues("" ${catalogues})
check_catalogues("-pluralonly" ${PLURALS})
if(failures)
  message(FATAL_ERROR "${failures}Bring them up to date with the update_translations target, "
                      "and translate what it marks unfinished.")
endif()
list(LENGTH catalogues count)
message("translations: ${count} catalogues complete and up to date")
