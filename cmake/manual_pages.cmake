# Installs the manual pages skyledger-cli.1.gz and skyledger.1.gz, made by
# help2man from the installed programs' own --help and --version, so that the
# pages name every option the programs take. Runs inside `cmake --install`
# (and so inside cpack), after the programs and the shipped places are in
# place; packaging.cmake sets SKYLEDGER_HELP2MAN, SKYLEDGER_GZIP and
# SKYLEDGER_MAN_INCLUDES (the folder of the *.h2m sections help2man adds) and
# SKYLEDGER_MAN_SCRATCH (a folder of the build tree for the runs).
#
# The programs run as an installed copy for a user whose home is "~", so the
# settings file their help names is the one every user of the package has,
# "~/.config/Skyledger/Skyledger Settings.txt", not this machine's.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
# A private folder for the runs: their working, runtime and cache folder, so
# that nothing they might write lands anywhere else.
set(scratch "${SKYLEDGER_MAN_SCRATCH}")
file(REMOVE_RECURSE "${scratch}")
file(MAKE_DIRECTORY "${scratch}")
file(CHMOD "${scratch}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(man_dir "${root}/share/man/man1")
file(MAKE_DIRECTORY "${man_dir}")

set(pages
  "skyledger-cli|Sun and Moon almanac in the terminal"
  "skyledger|Sun and Moon almanac for the desktop")
foreach(page IN LISTS pages)
  string(REPLACE "|" ";" fields "${page}")
  list(GET fields 0 program)
  list(GET fields 1 description)
  if(NOT EXISTS "${root}/bin/${program}")
    continue()
  endif()
  set(page_file "${man_dir}/${program}.1")
  message(STATUS "Manual page: ${page_file}.gz")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=DISPLAY
      --unset=WAYLAND_DISPLAY HOME=~ QT_QPA_PLATFORM=offscreen
      "XDG_RUNTIME_DIR=${scratch}" "XDG_CACHE_HOME=${scratch}"
      "${SKYLEDGER_HELP2MAN}" --no-info --section=1 "--name=${description}"
        "--include=${SKYLEDGER_MAN_INCLUDES}/${program}.h2m"
        "--output=${page_file}" "${root}/bin/${program}"
    WORKING_DIRECTORY "${scratch}"
    RESULT_VARIABLE status ERROR_VARIABLE problem)
  if(NOT status EQUAL 0 OR NOT EXISTS "${page_file}")
    message(FATAL_ERROR "help2man could not make ${program}.1: ${problem}")
  endif()
  # help2man fills an examples paragraph like prose; a command line per line
  # is what --help shows.
  file(READ "${page_file}" roff)
  if(roff MATCHES "\n\\.SH EXAMPLES\n\\.IP\n([^.][^\n]*\n)+")
    set(examples "${CMAKE_MATCH_0}")
    string(REGEX REPLACE "\n([^.][^\n]*)\n([^.])" "\n\\1\n.br\n\\2" lined "${examples}")
    string(REGEX REPLACE "\n([^.][^\n]*)\n([^.])" "\n\\1\n.br\n\\2" lined "${lined}")
    string(REPLACE "${examples}" "${lined}" roff "${roff}")
    file(WRITE "${page_file}" "${roff}")
  endif()
  # Compressed as Debian's policy asks: best compression, no name or time.
  execute_process(COMMAND ${SKYLEDGER_GZIP} -9nf "${page_file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${page_file}")
  endif()
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${page_file}.gz")
endforeach()
file(REMOVE_RECURSE "${scratch}")
