# Builds the Debian package from the build with cpack, as the README tells,
# and checks what a user's apt and Debian's checker would hold against it.
# Run by ctest with -DCPACK= -DBUILD_DIR= -DDPKG_DEB= -DLINTIAN= -DAPPSTREAMCLI=
# -DSCRATCH= -DWITH_GUI=.

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB -B ${SCRATCH}
  WORKING_DIRECTORY ${BUILD_DIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB deb ${SCRATCH}/*.deb)
if(NOT result EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack failed (${result}):\n${output}")
endif()

function(campo var nombre)
  execute_process(COMMAND ${DPKG_DEB} --field ${deb} ${nombre}
    OUTPUT_VARIABLE valor OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${var} "${valor}" PARENT_SCOPE)
endfunction()

# dpkg-shlibdeps ran: the libraries the programs link are dependencies.
campo(depends Depends)
set(bibliotecas libc6 libstdc\\+\\+6)
if(WITH_GUI)
  list(APPEND bibliotecas libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6)
endif()
foreach(biblioteca IN LISTS bibliotecas)
  if(NOT depends MATCHES "(^|, )${biblioteca} \\(>= ")
    message(FATAL_ERROR "Depends lacks ${biblioteca}: ${depends}")
  endif()
endforeach()

# The package's history starts at the package's own version.
campo(version Version)
execute_process(COMMAND ${DPKG_DEB} --extract ${deb} ${SCRATCH}/contenido)
execute_process(COMMAND gzip -dc ${SCRATCH}/contenido/usr/share/doc/quillon/changelog.Debian.gz
  OUTPUT_VARIABLE historia)
string(REGEX MATCH "^quillon \\(([^)]+)\\)" _ "${historia}")
if(NOT CMAKE_MATCH_1 STREQUAL version)
  message(FATAL_ERROR "the package is ${version}, its changelog starts at \"${CMAKE_MATCH_1}\": "
    "add an entry to packaging/changelog.Debian")
endif()

# The software-centre entry finds its menu entry and icon inside the package.
if(APPSTREAMCLI AND WITH_GUI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${SCRATCH}/contenido
    RESULT_VARIABLE result OUTPUT_VARIABLE informe ERROR_VARIABLE informe)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree (${result}):\n${informe}")
  endif()
endif()

# Debian's checker: no error and no warning. Deliberate exceptions are
# overridden, with their reasons, in packaging/quillon.lintian-overrides.
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${deb}
    RESULT_VARIABLE result OUTPUT_VARIABLE informe ERROR_VARIABLE informe)
  if(NOT result EQUAL 0 OR informe MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian (${result}):\n${informe}")
  endif()
else()
  message(STATUS "lintian not found: the package is not checked by it")
endif()
