# The version the programs print with --version and the About window shows: the project's
# version (project() in the top CMakeLists.txt, the one place it is written), the git describe
# of the checkout when built from one, and the build date. The stamp is refreshed on every
# build, so a new commit shows without configuring again; the header is rewritten only when
# its text changes, so an unchanged checkout recompiles nothing.
# Who answers for a package built here. Debian's own tools name the builder with DEBFULLNAME
# and DEBEMAIL; without them the package says that the project has no address yet: the
# reserved .invalid domain never delivers mail, so nobody's mailbox is claimed.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer_default "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer_default "The Morvek developers <no-address-yet@morvek.invalid>")
endif()
set(MORVEK_PACKAGE_MAINTAINER "${maintainer_default}"
    CACHE STRING "Maintainer of the Debian package, as Name <address>")

# The application id: the names of the desktop entry and the AppStream file, and the window's
# desktop file name. Chosen once and kept: desktops and software centres know the program by it.
set(MORVEK_APP_ID io.github.morvek.Morvek)

set(MORVEK_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
set(MORVEK_CHANGELOG ${MORVEK_GENERATED_DIR}/changelog.gz)
find_package(Git QUIET)
add_custom_target(
  morvek_version_stamp
  COMMAND
    ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
    -DOUT_DIR=${MORVEK_GENERATED_DIR} -DGIT=${GIT_EXECUTABLE} -DAPP_ID=${MORVEK_APP_ID}
    "-DMAINTAINER=${MORVEK_PACKAGE_MAINTAINER}" -P ${PROJECT_SOURCE_DIR}/cmake/MorvekVersionStamp.cmake
  BYPRODUCTS ${MORVEK_GENERATED_DIR}/morvek_version.h ${MORVEK_CHANGELOG}
  COMMENT "Version stamp"
  VERBATIM)
add_library(morvek_version INTERFACE)
target_include_directories(morvek_version INTERFACE ${MORVEK_GENERATED_DIR})
add_dependencies(morvek_version morvek_version_stamp)
