# The installed file types as GLib (GTK's file dialogs, file managers) sees
# them, beside the system's database: the examples are ours, a BDF font is
# still a font. Run by ctest with -DPREFIX= -DUPDATE= -DGIO= -DSCRATCH=.

set(dirs XDG_DATA_HOME=${SCRATCH}/home XDG_DATA_DIRS=${PREFIX}/share:/usr/local/share:/usr/share)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/home)

# update-mime-database reports a faulty definition on its error output only.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${dirs} ${UPDATE} ${PREFIX}/share/mime
  RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "update-mime-database (${result}):\n${errors}")
endif()

file(WRITE ${SCRATCH}/fixed.bdf "STARTFONT 2.1\nFONT -misc-fixed-medium-r-normal--13\n")
file(GLOB ejemplos ${PREFIX}/share/quillon/examples/*)
set(casos ${SCRATCH}/fixed.bdf=application/x-font-bdf)
foreach(ejemplo IN LISTS ejemplos)
  if(ejemplo MATCHES "\\.vle$")
    list(APPEND casos ${ejemplo}=application/x-quillon-vle)
  else()
    list(APPEND casos ${ejemplo}=application/x-quillon-distillation)
  endif()
endforeach()

foreach(caso IN LISTS casos)
  string(REGEX MATCH "^(.*)=(.*)$" _ ${caso})
  set(archivo ${CMAKE_MATCH_1})
  set(tipo ${CMAKE_MATCH_2})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${dirs} ${GIO} info --attributes=standard::content-type ${archivo}
    OUTPUT_VARIABLE info RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT info MATCHES "content-type: ${tipo}\n")
    message(FATAL_ERROR "${archivo} is not ${tipo}:\n${info}")
  endif()
endforeach()
