# The Windows edition's packages, the portable zip and the NSIS installer, made from this build
# tree by packaging/windows/make_packages.sh. Included from the root CMakeLists once the game's
# target, lumabels_win32, exists; not part of a plain build:
#
#   cmake --build build/windows-release --target lumabels_win32_packages     (scripts/windows)
set(LUMABELS_WIN32_ZIP ${LUMABELS_RUNTIME_DIR}/Lumabels-${PROJECT_VERSION}-win64.zip)
set(LUMABELS_WIN32_SETUP ${LUMABELS_RUNTIME_DIR}/Lumabels-${PROJECT_VERSION}-setup.exe)
file(GLOB_RECURSE LUMABELS_WIN32_PACKAGED_HELP CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/help/*)
add_custom_command(
  OUTPUT ${LUMABELS_WIN32_ZIP} ${LUMABELS_WIN32_SETUP}
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/make_packages.sh ${LUMABELS_RUNTIME_DIR}
          ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION}
  DEPENDS lumabels_win32 lumabels_notes lumabels_win32_help ${CMAKE_CURRENT_LIST_DIR}/make_packages.sh
          ${CMAKE_CURRENT_LIST_DIR}/lumabels.nsi ${PROJECT_SOURCE_DIR}/tools/png_icon.py
          ${PROJECT_SOURCE_DIR}/LICENSE ${LUMABELS_WIN32_PACKAGED_HELP}
  COMMENT "Packing the Windows edition: ${LUMABELS_WIN32_ZIP} and ${LUMABELS_WIN32_SETUP}"
  VERBATIM)
add_custom_target(lumabels_win32_packages DEPENDS ${LUMABELS_WIN32_ZIP} ${LUMABELS_WIN32_SETUP})
