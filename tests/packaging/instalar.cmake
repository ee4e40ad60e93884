# Installs the build into PREFIX, checks that every file lands where a Linux
# desktop looks for it and that the desktop files agree with each other, and
# runs the installed companion on installed examples. Run by ctest with
# -DBUILD_DIR= -DPREFIX= -DWITH_GUI= -DWITH_MANUAL= -DWITH_MAN_TABLE= -DDOCS=.

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
  bin/quillon-table
  share/quillon/examples/benzene-toluene-3-stages.bdf
  share/quillon/examples/ethanol-water-1atm.bdf
  share/quillon/examples/ethanol-water-1atm.vle
  share/quillon/examples/isopropanol-water-1atm.bdf
  share/quillon/examples/isopropanol-water-1atm.vle
  share/quillon/examples/benzene-toluene-5-plates-reflux-2.bdf
  share/quillon/examples/ethanol-water-4-plates-purity-0.75.bdf
  share/doc/quillon/copyright
  share/doc/quillon/changelog.Debian.gz)
if(WITH_GUI)
  list(APPEND expected
    bin/quillon
    share/applications/quillon.desktop
    share/icons/hicolor/scalable/apps/quillon.svg
    share/mime/packages/quillon.xml
    share/metainfo/io.github.quillon.metainfo.xml
    share/man/man1/quillon.1.gz)
endif()
if(WITH_MAN_TABLE)
  list(APPEND expected share/man/man1/quillon-table.1.gz)
endif()
if(WITH_MANUAL)
  list(APPEND expected share/quillon/Manual_ALMB.pdf)
endif()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

if(WITH_MANUAL)
  file(READ ${PREFIX}/share/quillon/Manual_ALMB.pdf head LIMIT 5)
  if(NOT head MATCHES "^%PDF-")
    message(FATAL_ERROR "the installed manual is not a PDF")
  endif()
endif()

if(WITH_GUI)
  include(${CMAKE_CURRENT_LIST_DIR}/escritorio.cmake)
endif()

# The installed companion computes the installed examples.
function(check_table document stage expected_text)
  execute_process(
    COMMAND ${PREFIX}/bin/quillon-table ${PREFIX}/share/quillon/examples/${document} --stage ${stage}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "quillon-table ${document} --stage ${stage} failed (${result}):\n${errors}")
  endif()
  string(FIND "${output}" "${expected_text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "quillon-table ${document}: no \"${expected_text}\" in:\n${output}")
  endif()
endfunction()

check_table(benzene-toluene-3-stages.bdf 2 "= 2 / 3")
check_table(ethanol-water-1atm.bdf 3 "ethanol (A)")
check_table(isopropanol-water-1atm.bdf 2 "isopropanol (A)")
check_table(ethanol-water-4-plates-purity-0.75.bdf 1 "Column of 4 plates")
