# Installation and packaging. `cmake --install build --prefix P` lays out
#
#   P/bin/quillon                                     the program
#   P/bin/quillon-table                               the command-line companion
#   P/share/quillon/Manual_ALMB.pdf                   the user's manual
#   P/share/quillon/examples/*.bdf *.vle              the example documents
#   P/share/applications/quillon.desktop              the menu entry
#   P/share/icons/hicolor/scalable/apps/quillon.svg   its icon
#
# Help > User's Manual looks for the manual in the executable's folder (the
# build tree) and then in <executable's folder>/../share/quillon, so bin and
# share are fixed here instead of being taken from GNUInstallDirs.
#
# `cpack -G DEB` (from the build folder) builds quillon_<version>_<arch>.deb.

set(QUILLON_BINDIR bin)
set(QUILLON_DATADIR share/quillon)

if(TARGET quillon)
  install(TARGETS quillon RUNTIME DESTINATION ${QUILLON_BINDIR})
endif()
install(TARGETS quillon-table RUNTIME DESTINATION ${QUILLON_BINDIR})

get_property(quillon_manual_pdf GLOBAL PROPERTY QUILLON_MANUAL_PDF)
if(quillon_manual_pdf)
  install(FILES ${quillon_manual_pdf} DESTINATION ${QUILLON_DATADIR})
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
  DESTINATION ${QUILLON_DATADIR}/examples
  FILES_MATCHING PATTERN "*.bdf" PATTERN "*.vle")
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillon.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quillon.svg DESTINATION share/icons/hicolor/scalable/apps)

# The Debian package. Its library dependencies are computed by dpkg-shlibdeps
# from the installed executables; on Debian 12 the Qt platform plugins for X11
# and offscreen come with libqt6gui6, and one font family (DejaVu) with
# fontconfig.
set(QUILLON_PACKAGE_MAINTAINER "Quillon developers <quillon@example.org>"
  CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of simple batch distillation")
# Lines of the long description, as Debian shows them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quillon simulates the simple batch (differential, Rayleigh) distillation\n"
  "of a binary liquid mixture, in one stage or in up to six stages in\n"
  "series. The equilibrium comes from a constant relative volatility or from\n"
  "an x-y table; the results are shown as the contents of the stills and the\n"
  "receiver, an x-y diagram, and a graph and a table against progress.\n"
  "The package holds the program, its user's manual, example documents and\n"
  "the command-line companion quillon-table.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to what dpkg-shlibdeps finds:
# - libqt6svg6: loaded as plugins, so dpkg-shlibdeps cannot see them: the SVG
#   icon engine and image reader for the program's SVG pictures.
# - the fonts: the windows are laid out in pixels for Arial and the table for
#   Courier New. Their metric-compatible free twins keep that layout; with
#   only DejaVu (all that fontconfig brings) the wider text is cut off, so
#   they are a dependency, not a recommendation.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2 | fonts-liberation")
# Help > User's Manual hands the PDF to the desktop through xdg-open; without
# it the program can only say that it cannot open the manual.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pdf-viewer")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
