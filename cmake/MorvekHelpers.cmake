# morvek_library(<layer> [DEPS ...]): one folder under src/ = one static library morvek_<layer>.
# Sources are the folder's .cpp files, so a new file needs no edit here.
function(morvek_library layer)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(morvek_${layer} STATIC ${sources})
  target_include_directories(morvek_${layer} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(morvek_${layer} PUBLIC ${ARG_DEPS})
endfunction()

# morvek_unit_tests(<layer> [DEPS ...]): tests/<layer>/*.cpp as one GoogleTest binary, label "unit".
function(morvek_unit_tests layer)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(morvek_${layer}_tests ${sources})
  target_link_libraries(morvek_${layer}_tests PRIVATE morvek_${layer} ${ARG_DEPS} GTest::gtest_main)
  target_compile_definitions(morvek_${layer}_tests
                             PRIVATE MORVEK_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  if(MORVEK_CORE_ONLY)
    # One test per binary: listing the tests would start every binary (under Wine) at build time.
    add_test(NAME morvek_${layer}_tests COMMAND morvek_${layer}_tests)
    set_tests_properties(morvek_${layer}_tests PROPERTIES LABELS unit)
  else()
    gtest_discover_tests(morvek_${layer}_tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
