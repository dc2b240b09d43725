# tolva_library(<name> DIRS <folders...> [DEPS <targets...>])
# A static library made of every .cpp below the given folders (relative to this CMakeLists), so
# that adding a file to a subsystem needs no edit of the build.
function(tolva_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/Source)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/Source)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# Every product library, in link order, for tests, benchmarks and fuzz targets.
set(TOLVA_ALL_LIBS tolva_editor tolva_hfcvst tolva_plugin tolva_layers tolva_controls tolva_link tolva_files tolva_model tolva_hfcheadless
    tolva_hfcx11 tolva_hfc tolva_hfcdraw tolva_hfcbase tolva_platform
    CACHE INTERNAL "")
# The standalone program's engine, on a line of its own.
set(TOLVA_ALL_LIBS tolva_app tolva_host ${TOLVA_ALL_LIBS} CACHE INTERNAL "")
