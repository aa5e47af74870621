# Installing the game and packing it as a Debian package. Included from the root CMakeLists
# after the game's targets exist.
#
#   cmake --install build/release --prefix /usr      (with DESTDIR=... to stage it)
#   cd build/release && cpack -G DEB                 (lumabels_<version>_<arch>.deb)
#
# The game finds its notes and help page at <bin>/../share/lumabels, so the data must go to
# DATADIR/lumabels whatever the prefix is; settings.ini goes to the user's config folder when
# the executable's folder is not writable, so nothing writable is installed.

include(GNUInstallDirs)

set(LUMABELS_APP_ID io.github.lumabels.Lumabels)
set(LUMABELS_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# Directories made by the install get the usual modes whatever the umask of whoever runs it,
# so a staged tree and the package agree.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS lumabels RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The notes are made by the build (target lumabels_notes), so they are taken from beside the
# executable rather than from the source tree.
set(LUMABELS_INSTALLED_NOTES)
foreach(note RANGE 1 7)
  list(APPEND LUMABELS_INSTALLED_NOTES ${LUMABELS_RUNTIME_DIR}/sound/note${note}.wav)
endforeach()
install(FILES ${LUMABELS_INSTALLED_NOTES} DESTINATION ${CMAKE_INSTALL_DATADIR}/lumabels/sound)
install(FILES ${PROJECT_SOURCE_DIR}/assets/help/index.html ${PROJECT_SOURCE_DIR}/assets/help/help.css
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lumabels/help)
# The translations and the help page in each language that has one.
install(FILES ${LUMABELS_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/lumabels/translations)
foreach(language IN LISTS LUMABELS_LANGUAGES)
  if(EXISTS ${PROJECT_SOURCE_DIR}/assets/help/${language}/index.html)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/help/${language}/index.html
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lumabels/help/${language})
  endif()
endforeach()

# The AppStream data and the manual page name the version and its date: they are made from
# templates with the ones set beside project(), and installed from the build tree.
set(LUMABELS_GENERATED_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
configure_file(${LUMABELS_PACKAGING_DIR}/${LUMABELS_APP_ID}.metainfo.xml.in
               ${LUMABELS_GENERATED_PACKAGING_DIR}/${LUMABELS_APP_ID}.metainfo.xml @ONLY)
configure_file(${LUMABELS_PACKAGING_DIR}/lumabels.6.in
               ${LUMABELS_GENERATED_PACKAGING_DIR}/lumabels.6 @ONLY)

install(FILES ${LUMABELS_PACKAGING_DIR}/${LUMABELS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LUMABELS_GENERATED_PACKAGING_DIR}/${LUMABELS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons are named after the application id, which the desktop entry's Icon key and the id the
# game gives the window system both use.
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/images/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${LUMABELS_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/images/lumabels.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMABELS_APP_ID}.svg)

install(FILES ${LUMABELS_GENERATED_PACKAGING_DIR}/lumabels.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Debian keeps every package's licence at this path.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumabels RENAME copyright)

# --- the Debian package ---------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumabels)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lumabels developers")
set(CPACK_PACKAGE_CONTACT "The Lumabels developers <lumabels@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/lumabels/lumabels")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game of hopping across six-colour bands")
# Lines of the long description stay within 80 columns, as package managers show them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A girl in a white dress rides across a small night sky on lumabels, bands of"
  "six colours that fly in from the corners and stretch as they travel. Click"
  "another band that overlaps hers to make her jump onto it, or click a cloud to"
  "call a new band; each hit scores a point and plays a note. The game is over"
  "when her band leaves the sky.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A package carries no debugging data, whichever build it is made from.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME lumabels)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CPACK_PACKAGE_HOMEPAGE_URL})
# The libraries the executable links (Qt, the C++ runtime) are found by dpkg-shlibdeps.
# The X11 platform plugin comes with libqt6gui6, which that brings in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL is not linked but loaded by name (dlopen) when the first game opens the sound device, so
# dpkg-shlibdeps cannot see it; the notes need it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0")
# Not linked, only loaded when present: the Wayland platform plugin, xdg-open, through
# which the help page reaches the browser, and Qt's translations of its standard buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/\\\\.cache/")

include(CPack)
