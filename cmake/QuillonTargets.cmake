# Helpers shared by the folders: every source file of a folder belongs to its
# library, so adding a file never needs an edit here.

# quillon_glob(<var> <dir> <patterns...>)
function(quillon_glob var dir)
  set(files)
  foreach(pattern IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${dir}/${pattern}")
    list(APPEND files ${found})
  endforeach()
  list(SORT files)
  set(${var} ${files} PARENT_SCOPE)
endfunction()

# The language library: one translation unit that fixes the language of the
# texts for whatever links it.
function(quillon_language_library name language)
  add_library(${name} STATIC ${PROJECT_SOURCE_DIR}/src/model/idioma.cpp)
  target_compile_definitions(${name} PRIVATE QUILLON_IDIOMA="${language}")
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
