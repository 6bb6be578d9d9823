# `cpack --config build/CPackConfig.cmake` makes angulor_4.00_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME angulor)
# The program calls itself 4.00 (major, minor, then "0"); the package says the same.
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}0")
set(CPACK_PACKAGE_VENDOR "Quevrin Systems")
set(CPACK_PACKAGE_CONTACT "Quevrin Systems <support@quevrin-systems.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for plane angles in radians and degrees")
set(CPACK_PACKAGE_DESCRIPTION
    "Angulor converts an angle in radians into degrees, minutes and seconds, or\n\
into decimal degrees or minutes, and back into radians. It adds and subtracts\n\
angles, brings the result into one full turn, and logs every result in an\n\
output box that copies to the clipboard in one click.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quevrin-systems.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the metric-compatible fonts the window layout is measured in, and
# xdg-open for the maker's web pages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, xdg-utils")
# The Wayland platform plugin: without it the program runs through X11 on a Wayland desktop.
# Qt's own translations for the OK button and the fields' menus, and a font with the glyphs of
# the Chinese translation.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "hicolor-icon-theme, qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/FinishPackage.cmake)

include(CPack)
