# Run at build time by the morvek_version_stamp target (cmake -P): writes morvek_version.h and
# the Debian changelog of this build into OUT_DIR. Honours SOURCE_DATE_EPOCH, so a package
# built twice from the same checkout is the same.
set(describe "")
if(GIT AND EXISTS ${SOURCE_DIR}/.git)
  execute_process(
    COMMAND ${GIT} -C ${SOURCE_DIR} describe --tags --always --dirty
    OUTPUT_VARIABLE describe
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE failed)
  if(failed)
    set(describe "")
  endif()
endif()
string(TIMESTAMP build_date "%Y-%m-%d" UTC)
# The changelog entry carries the date of the commit it was built from, so it stays the same
# from build to build of one checkout.
set(changelog_date "")
if(describe)
  execute_process(
    COMMAND ${GIT} -C ${SOURCE_DIR} log -1 --format=%cD
    OUTPUT_VARIABLE changelog_date
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET)
endif()
if(NOT changelog_date)
  string(TIMESTAMP changelog_date "%a, %d %b %Y 00:00:00 +0000" UTC)
endif()

set(header "// Written by the build (cmake/MorvekVersionStamp.cmake); not in the sources.
#pragma once
#define MORVEK_VERSION \"${VERSION}\"
#define MORVEK_GIT_DESCRIBE \"${describe}\"
#define MORVEK_BUILD_DATE \"${build_date}\"
#define MORVEK_APP_ID \"${APP_ID}\"
")
file(CONFIGURE OUTPUT ${OUT_DIR}/morvek_version.h CONTENT "${header}" @ONLY)

if(describe)
  set(built_from "  * Built from the checkout ${describe}.")
else()
  set(built_from "  * Built from a source tree without git history.")
endif()
set(changelog "morvek (${VERSION}) unstable; urgency=medium

  * Morvek ${VERSION}: the window, morvek-cli and torvane-sim.
${built_from}

 -- ${MAINTAINER}  ${changelog_date}
")
# Rewritten only when the text changes; gzip -n leaves the time and the name out of it.
file(CONFIGURE OUTPUT ${OUT_DIR}/changelog CONTENT "${changelog}" @ONLY)
if(NOT EXISTS ${OUT_DIR}/changelog.gz OR ${OUT_DIR}/changelog IS_NEWER_THAN ${OUT_DIR}/changelog.gz)
  execute_process(COMMAND gzip -9nf ${OUT_DIR}/changelog -c OUTPUT_FILE ${OUT_DIR}/changelog.gz
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip of the Debian changelog failed")
  endif()
endif()
