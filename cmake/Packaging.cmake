# Installation on a desktop and the Debian package.
include(GNUInstallDirs)

# The release is named in several files that Debian and software centres read; a version
# bump that forgets one fails here rather than in a user's package manager.
foreach(check
    "data/changelog|^mirvale \\(${PROJECT_VERSION}\\)"
    "data/io.github.mirvale.Mirvale.metainfo.xml|<release version=\"${PROJECT_VERSION}\""
    "man/mirvale.1|\"Mirvale ${PROJECT_VERSION}\""
    "man/mirvalectl.1|\"Mirvale ${PROJECT_VERSION}\"")
  string(REPLACE "|" ";" check "${check}")
  list(GET check 0 file)
  list(GET check 1 pattern)
  file(READ ${PROJECT_SOURCE_DIR}/${file} text)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${file} does not name version ${PROJECT_VERSION}")
  endif()
endforeach()

# Debian wants manual pages and the changelog compressed, with no time stamp inside.
function(mirvale_gzip source out_var)
  get_filename_component(name ${source} NAME)
  set(out ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${out} COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()
mirvale_gzip(${PROJECT_SOURCE_DIR}/man/mirvale.1 mirvale_man)
mirvale_gzip(${PROJECT_SOURCE_DIR}/man/mirvalectl.1 mirvalectl_man)
mirvale_gzip(${PROJECT_SOURCE_DIR}/data/changelog mirvale_changelog)

install(TARGETS mirvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${mirvale_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET mirvalectl)
  install(TARGETS mirvalectl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${mirvalectl_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# The desktop file's name is the application's id, the same as its bus name.
install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.mirvale.Mirvale.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.mirvale.Mirvale.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/mirvale.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Tray hosts look these up by name in the icon theme and tint them for their panel.
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/mirvale-tray-symbolic.svg
  ${PROJECT_SOURCE_DIR}/data/icons/mirvale-tray-paused-symbolic.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
# Debian's place, named after the package rather than the project.
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${mirvale_changelog}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mirvale)

set(CPACK_PACKAGE_NAME mirvale)
set(CPACK_PACKAGE_VENDOR "Mirvale")
set(CPACK_PACKAGE_CONTACT "Mirvale developers <mirvale@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Opens the camera folder of an inserted memory card in the file manager")
# Wrapped as Debian shows it: lines under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Mirvale waits for camera memory cards, picks the first matching rule, works\n"
  "out the folder to show (DCIM, AVCHD, XAVC or a custom path, optionally the\n"
  "newest subfolder and file) and has the desktop's file manager show it, placed\n"
  "and in front as the rule says.\n"
  "\n"
  "A tray menu lists the cards and the commands, and a settings window edits the\n"
  "rules. mirvalectl checks a rules file and shows what a card would open.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY mirvale)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/mirvale/mirvale")
# The libraries (Qt with its X11 platform plugin, libmount, libudev, libblkid, xcb) come from
# the binaries themselves; Qt's Wayland plugin, for a session without XWayland, and what they
# talk to over D-Bus are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, qt6-translations-l10n, default-dbus-session-bus | dbus-session-bus")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udisks2, thunar | nautilus | nemo | dolphin | caja")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "exfat-fuse, packagekit")
include(CPack)
