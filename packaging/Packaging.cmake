# What `cmake --install` puts where, and the Debian package `cpack -G DEB` makes of it.
# The program finds its examples relative to its own folder (bin/../share/vantle/examples), so
# every path here stays relative to the prefix.

set(VANTLE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vantle)
set(VANTLE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vantle)

if(VANTLE_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantle.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantle.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/examples/Problems.d
        DESTINATION ${VANTLE_INSTALL_DATADIR}/examples)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/problems
        DESTINATION ${VANTLE_INSTALL_DATADIR}/examples
        FILES_MATCHING PATTERN "*.txt")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/tdb
        DESTINATION ${VANTLE_INSTALL_DATADIR}/examples
        FILES_MATCHING PATTERN "*.tdb")

# The README and the user guide keep the repository's layout, so that their links work.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${VANTLE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs
        DESTINATION ${VANTLE_INSTALL_DOCDIR}
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantle developers")
set(CPACK_PACKAGE_CONTACT "Vantle developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculation of phase diagrams of binary systems")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantle developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# cpack puts the summary first and indents these lines as a Debian description wants.
set(CPACK_PACKAGE_DESCRIPTION
    "Vantle scans the temperature, pressure or a free parameter of a binary system A-B,
takes the lower convex hull of the Gibbs energies of its phases at every level and
draws the phase diagram with its tie lines, nodes and special points.

The package holds the Qt desktop program vantle, the command-line tool vantle-cli
and a database of example problems.")
# The libraries the programs link come from dpkg-shlibdeps; Qt loads its platform plugin at run
# time, which no linker sees.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
