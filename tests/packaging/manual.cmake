# Checks the user's manual PDF: run by ctest with -DPDF= -DMARKDOWN=
# -DPDFINFO= -DPDFIMAGES=.

execute_process(COMMAND ${PDFINFO} ${PDF} OUTPUT_VARIABLE info RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pdfinfo cannot read ${PDF}")
endif()
if(NOT info MATCHES "Title: +Quillon User's Manual")
  message(FATAL_ERROR "the manual has no title:\n${info}")
endif()
string(REGEX MATCH "Pages: +([0-9]+)" pages "${info}")
if(CMAKE_MATCH_1 LESS 15)
  message(FATAL_ERROR "the manual has only ${CMAKE_MATCH_1} pages")
endif()

# Every figure named in the Markdown is drawn (once at least) in the PDF.
file(READ ${MARKDOWN} markdown)
string(REGEX MATCHALL "!\\[[^]]*\\]\\([^) ]+" figures "${markdown}")
list(LENGTH figures wanted)
execute_process(COMMAND ${PDFIMAGES} -list ${PDF} OUTPUT_VARIABLE images)
string(REGEX MATCHALL "\n +[0-9]+ +[0-9]+ image +[0-9]+ +[0-9]+ [^\n]*" rows "${images}")
set(objects)
foreach(row IN LISTS rows)
  # The object number tells figures apart when a page draws one twice.
  string(REGEX MATCH "(no|yes) +([0-9]+) +0 " found "${row}")
  list(APPEND objects ${CMAKE_MATCH_2})
endforeach()
list(REMOVE_DUPLICATES objects)
list(LENGTH objects embedded)
if(embedded LESS wanted)
  message(FATAL_ERROR "the Markdown names ${wanted} figures, the PDF holds ${embedded}")
endif()
