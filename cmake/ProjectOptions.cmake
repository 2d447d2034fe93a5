# One place for the language level, warnings and Qt strictness of every target.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(CORVANE_WARNINGS_AS_ERRORS)
  target_compile_options(project_options INTERFACE -Werror)
endif()
target_compile_definitions(project_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_URL_CAST_FROM_STRING)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# corvane_core_module(name SOURCES... DEPS...) - one static library per core folder, standard
# C++ only. The sources are listed by name (relative to the folder), so where a file goes is a
# choice made in review.
function(corvane_core_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  set(_compiled ${ARG_SOURCES})
  list(FILTER _compiled INCLUDE REGEX "\\.cpp$")
  if(_compiled)
    add_library(corvane_${name} STATIC ${ARG_SOURCES})
    target_link_libraries(corvane_${name} PUBLIC project_options ${ARG_DEPS})
  else()
    add_library(corvane_${name} INTERFACE)
    target_link_libraries(corvane_${name} INTERFACE project_options ${ARG_DEPS})
  endif()
endfunction()
