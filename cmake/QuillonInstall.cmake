# Installation and packaging. `cmake --install build --prefix P` lays out
#
#   P/bin/quillon                                     the program
#   P/bin/quillon-table                               the command-line companion
#   P/share/quillon/Manual_ALMB.pdf                   the user's manual
#   P/share/quillon/examples/*.bdf *.vle              the example documents
#   P/share/applications/quillon.desktop              the menu entry
#   P/share/icons/hicolor/scalable/apps/quillon.svg   its icon, also the icon
#   P/share/icons/hicolor/scalable/mimetypes/...      of the two file types
#   P/share/mime/packages/quillon.xml                 the two file types
#   P/share/metainfo/io.github.quillon.metainfo.xml   the software-centre entry
#   P/share/man/man1/quillon.1.gz quillon-table.1.gz  the manual pages
#   P/share/doc/quillon/copyright changelog.Debian.gz licences and history
#   P/share/lintian/overrides/quillon                 checker notes, explained
#
# Help > User's Manual looks for the manual in the executable's folder (the
# build tree) and then in <executable's folder>/../share/quillon, so bin and
# share are fixed here instead of being taken from GNUInstallDirs.
#
# `cpack -G DEB` (from the build folder) builds quillon_<version>-1_<arch>.deb.

set(QUILLON_BINDIR bin)
set(QUILLON_DATADIR share/quillon)
set(QUILLON_DOCDIR share/doc/quillon)
set(QUILLON_MANDIR share/man/man1)
set(QUILLON_PACKAGE_RELEASE 1)
set(paquete_src ${PROJECT_SOURCE_DIR}/packaging)
set(paquete_bin ${PROJECT_BINARY_DIR}/packaging)

if(TARGET quillon)
  install(TARGETS quillon RUNTIME DESTINATION ${QUILLON_BINDIR})
endif()
install(TARGETS quillon-table RUNTIME DESTINATION ${QUILLON_BINDIR})
# Debian's hardening asks for a relocation table that turns read-only once
# the program has started; a stripped install also drops the compilers'
# version notes, as Debian's own packaging tools do.
foreach(programa quillon quillon-table)
  if(TARGET ${programa})
    set_property(TARGET ${programa} APPEND PROPERTY LINK_OPTIONS LINKER:-z,relro LINKER:-z,now)
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUILLON_BINDIR}/${programa}\")
      endif()")
  endif()
endforeach()

get_property(quillon_manual_pdf GLOBAL PROPERTY QUILLON_MANUAL_PDF)
if(quillon_manual_pdf)
  install(FILES ${quillon_manual_pdf} DESTINATION ${QUILLON_DATADIR})
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
  DESTINATION ${QUILLON_DATADIR}/examples
  FILES_MATCHING PATTERN "*.bdf" PATTERN "*.vle")

# Debian wants manual pages and the package's history gzipped with -9n (no
# name nor time stamp inside, so that builds are reproducible).
set(paquete_comprimidos)
function(quillon_comprimir origen nombre)
  add_custom_command(OUTPUT ${paquete_bin}/${nombre}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${origen} ${paquete_bin}/${nombre}
    COMMAND gzip -9nf ${paquete_bin}/${nombre}
    DEPENDS ${origen} ${ARGN}
    VERBATIM)
  set(paquete_comprimidos ${paquete_comprimidos} ${paquete_bin}/${nombre}.gz PARENT_SCOPE)
endfunction()

quillon_comprimir(${paquete_src}/changelog.Debian changelog.Debian)
install(FILES ${paquete_src}/copyright ${paquete_bin}/changelog.Debian.gz DESTINATION ${QUILLON_DOCDIR})
install(FILES ${paquete_src}/quillon.lintian-overrides DESTINATION share/lintian/overrides RENAME quillon)

# The companion's page is written from its own --help, so the two never
# disagree. Without help2man the page is left out, and cpack refuses to build
# a package that would lack it.
find_program(QUILLON_HELP2MAN help2man)
if(QUILLON_HELP2MAN)
  add_custom_command(OUTPUT ${paquete_bin}/quillon-table.1.generado
    COMMAND ${QUILLON_HELP2MAN} --no-info --no-discard-stderr
            --version-string=${PROJECT_VERSION}
            "--name=print the progress table of a Quillon distillation document"
            --include=${paquete_src}/quillon-table.h2m
            --output=${paquete_bin}/quillon-table.1.generado
            $<TARGET_FILE:quillon-table>
    DEPENDS quillon-table ${paquete_src}/quillon-table.h2m
    COMMENT "Writing the manual page of quillon-table"
    VERBATIM)
  quillon_comprimir(${paquete_bin}/quillon-table.1.generado quillon-table.1)
  install(FILES ${paquete_bin}/quillon-table.1.gz DESTINATION ${QUILLON_MANDIR})
else()
  message(WARNING "help2man not found: quillon-table gets no manual page")
endif()

# What the desktop needs of the program: its menu entry, icon, file types,
# software-centre entry and manual page.
if(TARGET quillon)
  install(FILES ${paquete_src}/quillon.desktop DESTINATION share/applications)
  install(FILES ${paquete_src}/quillon.svg DESTINATION share/icons/hicolor/scalable/apps)
  foreach(tipo distillation vle)
    install(FILES ${paquete_src}/quillon.svg DESTINATION share/icons/hicolor/scalable/mimetypes
      RENAME application-x-quillon-${tipo}.svg)
  endforeach()
  install(FILES ${paquete_src}/quillon-mime.xml DESTINATION share/mime/packages RENAME quillon.xml)
  install(FILES ${paquete_src}/io.github.quillon.metainfo.xml DESTINATION share/metainfo)
  quillon_comprimir(${paquete_src}/quillon.1 quillon.1)
  install(FILES ${paquete_bin}/quillon.1.gz DESTINATION ${QUILLON_MANDIR})
endif()
add_custom_target(quillon-paquete ALL DEPENDS ${paquete_comprimidos})

# The Debian package. Its library dependencies are computed by dpkg-shlibdeps
# from the installed executables; on Debian 12 the Qt platform plugins for X11
# and offscreen come with libqt6gui6, and one font family (DejaVu) with
# fontconfig. The address is a placeholder until the project has a real one.
set(QUILLON_PACKAGE_MAINTAINER "Quillon developers <quillon@example.org>"
  CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/quillon/quillon")
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
# A Debian revision makes the package non-native, whose history is
# changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUILLON_PACKAGE_RELEASE})
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
# Checked by cpack before it builds: the tools without which the package
# would come out incomplete.
set(CPACK_PROJECT_CONFIG_FILE ${paquete_src}/comprobar-paquete.cmake)
set(CPACK_QUILLON_HELP2MAN ${QUILLON_HELP2MAN})
include(CPack)
