# The portable part of Morvek alone: the core layers, the file commands of morvek-cli and their
# unit tests, with no Qt. This is what the Windows build (cmake/mingw-w64-x86_64.cmake) makes.
# A layer folder that exists is taken, so a new core layer only needs its name here.
set(MORVEK_CORE_LAYERS model files i18n link pages logging analysis cli)

# GoogleTest from its sources (Debian's libgtest-dev ships them), built with the same compiler.
set(MORVEK_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${MORVEK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not held to the project's warning flags.
# (it defines GTest::gtest and GTest::gtest_main itself)
foreach(target gtest gtest_main)
  target_compile_options(${target} PRIVATE -w)
endforeach()

foreach(layer ${MORVEK_CORE_LAYERS})
  if(EXISTS ${PROJECT_SOURCE_DIR}/src/${layer}/CMakeLists.txt)
    add_subdirectory(src/${layer})
  endif()
endforeach()
foreach(layer ${MORVEK_CORE_LAYERS})
  if(EXISTS ${PROJECT_SOURCE_DIR}/tests/${layer}/CMakeLists.txt)
    add_subdirectory(tests/${layer})
  endif()
endforeach()
