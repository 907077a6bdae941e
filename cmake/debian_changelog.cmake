# Makes the Debian changelog of the package from CHANGELOG.md, so that the two
# cannot differ. Run as a script:
#   cmake -DSRC=CHANGELOG.md -DDST=changelog -DVERSION=2.1 -DPACKAGE=skyledger
#         -DMAINTAINER="Name <address>" -P debian_changelog.cmake
# Every release section "## [VERSION] - YYYY-MM-DD" becomes one entry, its
# "### Kind" headings items of their own and its list items indented under
# them. The newest release must be VERSION, the project's version: a release
# without its changelog entry stops the build.

foreach(required SRC DST VERSION PACKAGE MAINTAINER)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "debian_changelog.cmake needs -D${required}=...")
  endif()
endforeach()

# The English day name of a Gregorian date (Sakamoto's method).
function(day_name year month day out)
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(names Sun Mon Tue Wed Thu Fri Sat)
  list(GET names ${weekday} name)
  set(${out} ${name} PARENT_SCOPE)
endfunction()

set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

file(STRINGS ${SRC} lines ENCODING UTF-8)
set(text "")
set(first_version "")
set(in_release FALSE)
set(trailer "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    set(version ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_2})
    math(EXPR month "${CMAKE_MATCH_3}")
    math(EXPR day "${CMAKE_MATCH_4}")
    if(first_version STREQUAL "")
      set(first_version ${version})
    endif()
    day_name(${year} ${month} ${day} weekday)
    math(EXPR month_index "${month} - 1")
    list(GET month_names ${month_index} month_name)
    string(APPEND text "${trailer}${PACKAGE} (${version}) unstable; urgency=medium\n")
    set(trailer "\n -- ${MAINTAINER}  ${weekday}, ${CMAKE_MATCH_4} ${month_name} ${year} 12:00:00 +0000\n\n")
    set(in_release TRUE)
  elseif(line MATCHES "^## ")
    set(in_release FALSE) # "Unreleased" and the like are not in a package
  elseif(NOT in_release)
  elseif(line MATCHES "^### (.+)$")
    string(APPEND text "\n  * ${CMAKE_MATCH_1}:\n")
  elseif(line MATCHES "^- (.+)$")
    string(APPEND text "    - ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^  (.+)$")
    string(APPEND text "      ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(APPEND text "${trailer}")
string(REGEX REPLACE "\n\n$" "\n" text "${text}")
string(REPLACE "`" "" text "${text}")

if(NOT first_version STREQUAL VERSION)
  message(FATAL_ERROR "CHANGELOG.md: the newest release is '${first_version}', "
                      "the project's version is ${VERSION}; add its entry")
endif()
file(WRITE ${DST} "${text}")
