# Installation into the standard places and the Debian package.
#
#   cmake --install build --prefix /usr        (or DESTDIR=... for a staging root)
#   cpack --config build/CPackConfig.cmake -B build/package
include(GNUInstallDirs)

set(KETHMOR_APP_ID org.kethmor.Planner)
set(_pkg ${CMAKE_CURRENT_LIST_DIR})
set(_assets ${CMAKE_CURRENT_LIST_DIR}/../assets)

# Debian keeps games in games/ beside bin/, on every user's path.
set(KETHMOR_INSTALL_GAMESDIR games CACHE STRING "Where the program goes, under the prefix")
install(TARGETS kethmor-planner RUNTIME DESTINATION ${KETHMOR_INSTALL_GAMESDIR})
install(FILES ${_pkg}/${KETHMOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The version in the manual page and the metadata is the project's; the
# changelog's newest entry must name it.
configure_file(${_pkg}/${KETHMOR_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${KETHMOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${_pkg}/kethmor-planner.6.in ${CMAKE_BINARY_DIR}/kethmor-planner.6 @ONLY)
file(STRINGS ${_pkg}/changelog _newest LIMIT_COUNT 1)
if(NOT _newest MATCHES "^kethmor-planner \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog's newest entry is not version ${PROJECT_VERSION}: ${_newest}")
endif()
install(FILES ${CMAKE_BINARY_DIR}/${KETHMOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_assets}/kethmor-planner.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${_assets}/kethmor-planner-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME kethmor-planner.png)
endforeach()

# Debian wants the changelog and the manual page compressed without a time
# stamp, and the copyright beside the changelog.
foreach(file ${_pkg}/changelog ${CMAKE_BINARY_DIR}/kethmor-planner.6)
  get_filename_component(name ${file} NAME)
  execute_process(COMMAND gzip -9nc ${file} OUTPUT_FILE ${CMAKE_BINARY_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_pkg}/changelog)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${_pkg}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kethmor-planner)
install(FILES ${CMAKE_BINARY_DIR}/kethmor-planner.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kethmor-planner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "character planner for the role-playing game Kethmor")
set(CPACK_PACKAGE_DESCRIPTION
    "Design a Kethmor character before creating it in the game: race and gender,\n\
background, statistics, hit points, fatigue, skills, spells and schematics,\n\
levels up to 50, with every derived value shown as it changes. The finished\n\
sheet is saved as a plain text file.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kethmor Planner Developers <planner@kethmor.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin is loaded at run time: dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
