# Installation and the Debian package.
#
# Installed layout under the prefix (usually /usr):
#   bin/morvek, bin/morvek-cli, bin/torvane-sim
#   share/morvek/Morvek_{en,de,fr,cz}.pdf      the help manuals the window opens with F1
#   share/applications/, share/metainfo/, share/mime/packages/, share/icons/hicolor/
#   share/man/man1/{morvek,morvek-cli,torvane-sim}.1.gz   made from each program's --help
#   share/doc/morvek/copyright, changelog.gz               as Debian wants them
# The program recognises this layout from bin/ and share/morvek/ (files/program_folders.h);
# run from the build tree it keeps finding everything beside itself.

include(GNUInstallDirs)

# MORVEK_APP_ID comes from cmake/MorvekVersion.cmake.
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(MORVEK_MANUALS_INSTALLED ${CPACK_PACKAGING_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/morvek)

install(TARGETS morvek morvek-cli torvane-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Relocations resolved at start and then read-only, as Debian builds its programs.
foreach(program morvek morvek-cli torvane-sim)
  target_link_options(${program} PRIVATE -Wl,-z,relro -Wl,-z,now)
endforeach()

# The manuals are built beside the morvek binary when the project builds them.
set(manual_dir ${CMAKE_INSTALL_DATADIR}/morvek)
# Installed even without manuals: the folder tells the program that it is installed.
install(DIRECTORY DESTINATION ${manual_dir})
foreach(language en de fr cz)
  install(FILES $<TARGET_FILE_DIR:morvek>/Morvek_${language}.pdf DESTINATION ${manual_dir}
          OPTIONAL)
endforeach()

install(FILES ${packaging}/${MORVEK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The manual pages, from the programs' own --help (not when the programs cannot run here).
if(NOT CMAKE_CROSSCOMPILING)
  set(man_dir ${PROJECT_BINARY_DIR}/man)
  set(summary_morvek "configure and tune a Torvane engine controller over a serial port")
  set(summary_morvek-cli "Morvek's parameter files and controller commands for scripts")
  set(summary_torvane-sim "a simulated Torvane engine controller on a pseudo-terminal")
  set(man_pages "")
  foreach(program morvek morvek-cli torvane-sim)
    set(others morvek morvek-cli torvane-sim)
    list(REMOVE_ITEM others ${program})
    add_custom_command(
      OUTPUT ${man_dir}/${program}.1.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
      COMMAND
        ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
        "-DSUMMARY=${summary_${program}}" -DVERSION=${PROJECT_VERSION}
        -DOUT=${man_dir}/${program}.1 "-DSEE_ALSO=${others}" -P
        ${PROJECT_SOURCE_DIR}/cmake/MorvekManPage.cmake
      DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/MorvekManPage.cmake
      COMMENT "Manual page ${program}(1)"
      VERBATIM)
    list(APPEND man_pages ${man_dir}/${program}.1.gz)
  endforeach()
  add_custom_target(morvek_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Debian's copyright file (machine-readable) and the changelog of this build.
add_custom_target(morvek_changelog ALL DEPENDS morvek_version_stamp)
install(FILES ${packaging}/copyright ${MORVEK_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvek)
configure_file(${packaging}/${MORVEK_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/${MORVEK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${MORVEK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/morvek-parameters.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(DIRECTORY ${MORVEK_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvek)
set(CPACK_PACKAGE_VENDOR "The Morvek developers")
set(CPACK_PACKAGE_CONTACT "${MORVEK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure and tune a Torvane engine controller")
set(CPACK_PACKAGE_INSTALL_DIRECTORY morvek)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# No homepage: the project has no web site yet.
set(CPACK_PACKAGE_DESCRIPTION
    "Morvek talks to a Torvane engine controller over a serial port: live engine
values, the ignition-advance and injection maps, read, verify and program,
autotune, output tests, parameter files (*.ign) and printing, in English,
German, French and Czech. It includes morvek-cli for scripts and torvane-sim,
a simulated controller for trying everything without a motorcycle.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVEK_PACKAGE_MAINTAINER}")
# Runtime dependencies from the libraries the binaries link (Qt 6, libstdc++, libc).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plug-ins (X11, Wayland, offscreen) here; no binary links them directly.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
include(CPack)
