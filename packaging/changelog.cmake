# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Quandrel developers
#
# Writes the Debian changelog from the release notes in the AppStream metadata, so the
# notes are kept in one place:
#   cmake -DMETAINFO=in.xml -DPACKAGE=quandrel -DMAINTAINER="Name <mail>" -DOUTPUT=changelog
#         -P changelog.cmake

file(READ "${METAINFO}" xml)
string(REGEX MATCHALL "<release [^>]*>.*</release>" releases "${xml}")
string(REPLACE "</release>" "</release>;" releases "${releases}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(text "")
foreach(release IN LISTS releases)
  if(NOT release MATCHES "version=\"([^\"]+)\" date=\"([0-9]+)-([0-9]+)-([0-9]+)\"")
    continue()
  endif()
  set(version ${CMAKE_MATCH_1})
  set(year ${CMAKE_MATCH_2})
  math(EXPR month "${CMAKE_MATCH_3}")
  math(EXPR day "${CMAKE_MATCH_4}")
  # Day of the week (Sakamoto's method).
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR m0 "${month} - 1")
  list(GET offsets ${m0} offset)
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  list(GET weekdays ${weekday} weekdayName)
  list(GET months ${m0} monthName)
  if(day LESS 10)
    set(day "0${day}")
  endif()

  string(APPEND text "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
  string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" notes "${release}")
  foreach(note IN LISTS notes)
    string(REGEX REPLACE "</?(p|li)>" "" note "${note}")
    set(line "  * ${note}")
    string(LENGTH "${line}" length)
    if(length GREATER 80)
      message(FATAL_ERROR "release note longer than a changelog line: ${note}")
    endif()
    string(APPEND text "${line}\n")
  endforeach()
  string(APPEND text "\n -- ${MAINTAINER}  ${weekdayName}, ${day} ${monthName} ${year} 00:00:00 +0000\n\n")
endforeach()
string(STRIP "${text}" text)
file(WRITE "${OUTPUT}" "${text}\n")
