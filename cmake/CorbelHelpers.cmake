# Helpers shared by every folder's CMakeLists.txt.

# Adds each immediate subfolder of the current source folder that has a CMakeLists.txt.
function(corbel_add_subfolders)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

add_custom_target(corbel_core_tests)

option(CORBEL_CORE_TESTS "Build and register the core test programs (scripts/test.sh leaves them to its sanitizer build)" ON)

# corbel_test(NAME [WINDOWS] SOURCES sources... LIBS libs...): one GoogleTest program registered
# with CTest. Programs of the window layer and the editor's windows say WINDOWS: their tests carry
# the label "windows"; every other program's carry "core" and is built by the target
# corbel_core_tests (the sanitizer pass of scripts/test.sh builds and runs only those). With
# CORBEL_CORE_TESTS off a core program is left out of the build and its tests are not registered.
function(corbel_test name)
  cmake_parse_arguments(T "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE CORBEL_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  if(T_WINDOWS)
    set(label windows)
  else()
    set(label core)
    add_dependencies(corbel_core_tests ${name})
    if(NOT CORBEL_CORE_TESTS)
      set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
      return()
    endif()
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "CORBEL_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/${name}.registry"
               LABELS ${label})
endfunction()
