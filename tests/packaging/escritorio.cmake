# The installed desktop files name each other consistently: the file types,
# the menu entry, the software-centre entry, the icons and the screenshots.
# Included by instalar.cmake once PREFIX holds an install of the program.

set(share ${PREFIX}/share)

# Every capture of `regex` in `texto`, sorted.
function(capturas var regex texto)
  string(REGEX MATCHALL "${regex}" todas "${texto}")
  set(valores)
  foreach(una IN LISTS todas)
    string(REGEX REPLACE "${regex}" "\\1" valor "${una}")
    list(APPEND valores "${valor}")
  endforeach()
  list(SORT valores)
  set(${var} "${valores}" PARENT_SCOPE)
endfunction()

function(deben_coincidir que esperado hallado)
  if(NOT "${esperado}" STREQUAL "${hallado}")
    message(FATAL_ERROR "${que}: expected \"${esperado}\", found \"${hallado}\"")
  endif()
endfunction()

function(debe_existir que ruta)
  if(NOT EXISTS "${ruta}")
    message(FATAL_ERROR "${que}: no ${ruta}")
  endif()
endfunction()

file(READ ${share}/mime/packages/quillon.xml mime)
capturas(tipos "<mime-type type=\"([^\"]+)\"" "${mime}")
list(LENGTH tipos n)
deben_coincidir("file types defined" 2 ${n})
foreach(tipo IN LISTS tipos)
  string(REPLACE "/" "-" icono ${tipo})
  debe_existir("icon of ${tipo}" ${share}/icons/hicolor/scalable/mimetypes/${icono}.svg)
endforeach()

# The menu entry hands the chosen file to the program and offers itself for
# both types.
file(READ ${share}/applications/quillon.desktop entrada)
if(NOT entrada MATCHES "\nExec=quillon %[fFuU]\n" OR NOT entrada MATCHES "\nIcon=quillon\n")
  message(FATAL_ERROR "the desktop entry does not open files in quillon with its icon:\n${entrada}")
endif()
capturas(en_menu "[=;](application/[^;\n]+)" "${entrada}")
deben_coincidir("types of the menu entry" "${tipos}" "${en_menu}")

file(READ ${share}/metainfo/io.github.quillon.metainfo.xml meta)
capturas(en_centro "<mediatype>([^<]+)</mediatype>" "${meta}")
deben_coincidir("types of the software-centre entry" "${tipos}" "${en_centro}")
capturas(lanzador "<launchable type=\"desktop-id\">([^<]+)</launchable>" "${meta}")
debe_existir("menu entry of the software-centre entry" ${share}/applications/${lanzador})
capturas(programas "<binary>([^<]+)</binary>" "${meta}")
foreach(programa IN LISTS programas)
  debe_existir("program of the software-centre entry" ${PREFIX}/bin/${programa})
endforeach()
capturas(figuras "<image>[^<]*/([^/<]+)</image>" "${meta}")
foreach(imagen IN LISTS figuras)
  debe_existir("screenshot" ${DOCS}/${imagen})
endforeach()
string(REGEX MATCH "<release version=\"([^\"]+)\"" ultima "${meta}")
deben_coincidir("newest release of the software-centre entry" ${VERSION} "${CMAKE_MATCH_1}")
