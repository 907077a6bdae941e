# Installing and packaging: `cmake --install build --prefix P` lays out
#   P/bin/skyledger-cli, P/bin/skyledger (with the desktop program)
#   P/share/skyledger/default_settings.txt   the places a new user starts with
#   P/share/applications/skyledger.desktop
#   P/share/icons/hicolor/{16..256}x../apps/skyledger.png and scalable/apps/skyledger.svg
#   P/share/doc/skyledger/copyright, changelog.gz   the licences and the changes
#   P/share/man/man1/skyledger-cli.1.gz, skyledger.1.gz
# and `cpack -G DEB` in the build tree makes skyledger_<version>_<arch>.deb.
include(GNUInstallDirs)
set(SKYLEDGER_MAINTAINER "Skyledger maintainers <maintainers@skyledger.invalid>")

# The programs find the shipped places through this path relative to their
# own directory, so an installed tree can be moved as a whole.
file(RELATIVE_PATH SKYLEDGER_SHIPPED_DATA_DIR
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_DATADIR}/skyledger)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/settings/settings_location.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS SKYLEDGER_SHIPPED_DATA_DIR="${SKYLEDGER_SHIPPED_DATA_DIR}")

install(TARGETS skyledger-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/default_settings.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/skyledger)

if(TARGET skyledger)
  install(TARGETS skyledger RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/resources/skyledger.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/skyledger.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # The fixed sizes of the icon theme, rendered from the one SVG crescent by
  # a build-time tool (Qt SVG is needed to build, not to run the programs).
  find_package(Qt6 COMPONENTS Gui OPTIONAL_COMPONENTS Svg)
  if(TARGET Qt6::Svg)
    add_executable(render_icon ${CMAKE_SOURCE_DIR}/tools/render_icon.cpp)
    target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)
    set_target_properties(render_icon PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
    set(SKYLEDGER_ICON_SIZES 16 32 48 64 128 256)
    set(SKYLEDGER_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
    set(SKYLEDGER_ICON_FILES)
    foreach(size IN LISTS SKYLEDGER_ICON_SIZES)
      list(APPEND SKYLEDGER_ICON_FILES ${SKYLEDGER_ICON_DIR}/${size}x${size}/apps/skyledger.png)
    endforeach()
    add_custom_command(OUTPUT ${SKYLEDGER_ICON_FILES}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        $<TARGET_FILE:render_icon> ${CMAKE_SOURCE_DIR}/resources/skyledger.svg
        ${SKYLEDGER_ICON_DIR} ${SKYLEDGER_ICON_SIZES}
      DEPENDS render_icon ${CMAKE_SOURCE_DIR}/resources/skyledger.svg
      COMMENT "Rendering the icon theme sizes"
      VERBATIM)
    add_custom_target(skyledger_icons ALL DEPENDS ${SKYLEDGER_ICON_FILES})
    install(DIRECTORY ${SKYLEDGER_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  else()
    message(WARNING "Qt SVG (qt6-svg-dev) not found: only the scalable icon is installed")
  endif()
endif()

# The licences in Debian's machine-readable form, and the package changelog
# made from CHANGELOG.md.
set(SKYLEDGER_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/skyledger)
find_program(SKYLEDGER_GZIP gzip REQUIRED)
set(SKYLEDGER_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${SKYLEDGER_CHANGELOG}.gz
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/CHANGELOG.md -DDST=${SKYLEDGER_CHANGELOG}
    -DVERSION=${PROJECT_VERSION} -DPACKAGE=skyledger
    "-DMAINTAINER=${SKYLEDGER_MAINTAINER}"
    -P ${CMAKE_SOURCE_DIR}/cmake/debian_changelog.cmake
  COMMAND ${SKYLEDGER_GZIP} -9nf ${SKYLEDGER_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/cmake/debian_changelog.cmake
  COMMENT "Making the package changelog from CHANGELOG.md"
  VERBATIM)
add_custom_target(skyledger_changelog ALL DEPENDS ${SKYLEDGER_CHANGELOG}.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${SKYLEDGER_CHANGELOG}.gz
  DESTINATION ${SKYLEDGER_DOC_DIR})

# The manual pages, from the installed programs' own help (last, when the
# programs and their shipped places are in place).
find_program(SKYLEDGER_HELP2MAN help2man REQUIRED)
install(CODE "
  set(SKYLEDGER_HELP2MAN \"${SKYLEDGER_HELP2MAN}\")
  set(SKYLEDGER_GZIP \"${SKYLEDGER_GZIP}\")
  set(SKYLEDGER_MAN_INCLUDES \"${CMAKE_SOURCE_DIR}/packaging\")
  set(SKYLEDGER_MAN_SCRATCH \"${CMAKE_BINARY_DIR}/manual_pages_run\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/manual_pages.cmake)

# The Debian package. Its library dependencies come from dpkg-shlibdeps, so
# they are the ones the installed programs really link (Qt 6, the C++
# runtime, libdate-tz3); the time zones come from the system's tz database
# (tzdata) and the desktop program draws with Liberation Sans, which no
# library pulls in.
set(CPACK_PACKAGE_NAME skyledger)
set(CPACK_PACKAGE_VENDOR "Skyledger")
set(CPACK_PACKAGE_CONTACT "${SKYLEDGER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sun and Moon almanac for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
  "Skyledger gives the local times of sunrise, sunset, moonrise and moonset,
their compass bearings and the Moon's illumination and phase for a list of
named places, with a multi-day chart, a Moon calendar and an altitude and
bearing table, each printable. skyledger-cli gives the same in a terminal.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
if(TARGET skyledger)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, tzdata")
endif()
include(CPack)
