# Installation on a desktop and the Debian package.
include(GNUInstallDirs)

install(TARGETS mirvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET mirvalectl)
  install(TARGETS mirvalectl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/mirvale.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/mirvale.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME mirvale)
set(CPACK_PACKAGE_VENDOR "Mirvale")
set(CPACK_PACKAGE_CONTACT "Mirvale developers <mirvale@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Opens the camera folder of an inserted memory card in the file manager")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Mirvale waits for camera memory cards, picks the first matching rule, works out the folder to show "
  "(DCIM, AVCHD, XAVC or a custom path, optionally the newest subfolder and file) and has the desktop's "
  "file manager show it, placed and in front as the rule says.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY mirvale)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/mirvale/mirvale")
# The libraries (Qt with its X11 platform plugin, libmount, libudev, libblkid, xcb) come from
# the binaries themselves; what they talk to over D-Bus is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "default-dbus-session-bus | dbus-session-bus")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udisks2, thunar | nautilus | nemo | dolphin | caja")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "exfat-fuse, packagekit")
include(CPack)
