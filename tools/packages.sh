# Packages the build, the program and the tests need (sourced by ./run and ./test).
BUILD_PACKAGES=(build-essential cmake ninja-build ccache pkg-config qt6-base-dev libgl-dev libxcb1-dev
    fonts-liberation
    # lupdate and lrelease, and the CMake functions that call them
    qt6-l10n-tools qt6-tools-dev)
# qt6-wayland: without it Qt falls back to X11 on a Wayland desktop.
# qt6-translations-l10n: Qt's own texts (the OK button, the fields' menus) in the person's language.
RUN_PACKAGES=(xdg-utils qt6-wayland qt6-translations-l10n)
TEST_PACKAGES=(xvfb xauth
    fonts-wqy-microhei # the glyphs of the Chinese translation
    libboost-dev # the exact model that the angle tests hold the operations against
    # the installed program: validators, the package build, a desktop to drive it on
    desktop-file-utils appstream dpkg-dev file python3 python3-gi
    openbox xdotool xclip wmctrl x11-utils
    # what a Debian maintainer checks: lintian, hardening-check, the manual page's rendering
    lintian devscripts man-db)
