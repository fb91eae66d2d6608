# Installation and the Debian package.
#
# Installed layout under the prefix (usually /usr):
#   bin/morvek, bin/morvek-cli, bin/torvane-sim
#   share/morvek/Morvek_{en,de,fr,cz}.pdf      the help manuals the window opens with F1
#   share/applications/, share/metainfo/, share/mime/packages/, share/icons/hicolor/
# The program recognises this layout from bin/ and share/morvek/ (files/program_folders.h);
# run from the build tree it keeps finding everything beside itself.

include(GNUInstallDirs)

set(MORVEK_APP_ID org.example.morvek.Morvek)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS morvek morvek-cli torvane-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
configure_file(${packaging}/${MORVEK_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/${MORVEK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${MORVEK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/morvek-parameters.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(DIRECTORY ${MORVEK_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvek)
set(CPACK_PACKAGE_VENDOR "The Morvek developers")
set(CPACK_PACKAGE_CONTACT "morvek-dev@lists.morvek.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure and tune a Torvane engine controller")
set(CPACK_PACKAGE_INSTALL_DIRECTORY morvek)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://morvek.example.org)
set(CPACK_PACKAGE_DESCRIPTION
    "Morvek talks to a Torvane engine controller over a serial port: live engine
values, the ignition-advance and injection maps, read, verify and program,
autotune, output tests, parameter files (*.ign) and printing, in English,
German, French and Czech. It includes morvek-cli for scripts and torvane-sim,
a simulated controller for trying everything without a motorcycle.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Morvek developers <morvek-dev@lists.morvek.example.org>")
# Runtime dependencies from the libraries the binaries link (Qt 6, libstdc++, libc).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plug-ins (X11, Wayland, offscreen) here; no binary links them directly.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
include(CPack)
