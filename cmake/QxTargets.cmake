# One static library per source folder, named qx_<folder>. The sources are the
# folder's own .cpp files (globbed, so adding a unit needs no CMake edit); the
# folder's parent is the include root, so code includes "params/MAP_INT.h".
function(qx_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;RESOURCES;EXCLUDE" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(_x ${ARG_EXCLUDE})
    list(REMOVE_ITEM _sources ${CMAKE_CURRENT_SOURCE_DIR}/${_x})
  endforeach()
  if(_sources)
    add_library(qx_${name} STATIC ${_sources} ${_headers} ${ARG_RESOURCES})
    target_include_directories(qx_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(qx_${name} PUBLIC ${ARG_DEPS})
  else()
    # A folder whose units have not been written yet still offers its target.
    add_library(qx_${name} INTERFACE)
    target_include_directories(qx_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(qx_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# Every <unit>_test.cpp of a test folder goes into one test program, <folder>_test,
# whose cases CTest learns one by one.
function(qx_add_test_folder name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name}_test ${_sources})
  target_link_libraries(${name}_test PRIVATE qx_test_support ${ARG_DEPS} GTest::gtest Qt5::Test)
  set_target_properties(${name}_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}_test
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
