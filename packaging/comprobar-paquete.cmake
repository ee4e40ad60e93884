# Read by cpack before it builds a package. A Debian package built without
# these tools would still come out, quietly wrong: without dpkg-shlibdeps (or
# the `file` it relies on) its Depends lack the Qt libraries, and without
# help2man quillon-table has no manual page.

if(CPACK_GENERATOR STREQUAL "DEB")
  set(faltan)
  foreach(herramienta dpkg-shlibdeps file)
    find_program(encontrado_${herramienta} ${herramienta})
    if(NOT encontrado_${herramienta})
      list(APPEND faltan ${herramienta})
    endif()
  endforeach()
  if(NOT CPACK_QUILLON_HELP2MAN)
    list(APPEND faltan "help2man (at configure time)")
  endif()
  if(faltan)
    list(JOIN faltan ", " faltan)
    message(FATAL_ERROR "The Debian package needs ${faltan}: "
      "run scripts/install-deps.sh (packages dpkg-dev, file, help2man), "
      "configure again and rerun cpack.")
  endif()
endif()
