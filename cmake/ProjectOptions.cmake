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
# C++ only. Sources are globbed so a new file needs no CMake edit.
function(corvane_core_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER _sources EXCLUDE REGEX ".*/ui/.*")
  if(_sources)
    add_library(corvane_${name} STATIC ${_sources})
    target_link_libraries(corvane_${name} PUBLIC project_options ${ARG_DEPS})
  else()
    add_library(corvane_${name} INTERFACE)
    target_link_libraries(corvane_${name} INTERFACE project_options ${ARG_DEPS})
  endif()
endfunction()
