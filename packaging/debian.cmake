# `make deb`: a Debian package of the install tree, by CPack, installed under
# /usr. Included from the top directory, where CPack must be set up.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "${TARNWICK_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARNWICK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TARNWICK_PROJECT_URL}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "two-pane file manager
Tarnwick is a classic two-pane file manager for the desktop: the folder
tree on the left, the current folder's contents on the right as large
icons, small icons, a list or details, with an address box and a file-type
filter above them.

Folders are read in the background, so a large folder or a network mount
that has stopped answering never freezes the window. Copies, moves,
renames, deletions and restores from the trash run as jobs with progress
and Cancel.")
# The libraries the executable links are found by dpkg-shlibdeps. What it
# loads only at run time is listed here: Qt's SVG plugins draw the program's
# icon, the MIME database names the file types, and the hicolor theme holds
# the installed icons. GVfs connects network drives, and its FUSE bridge
# gives them the local paths the program works on; the icon theme gives the
# toolbars their pictures; Liberation stands in for the fonts printed
# listings ask for; xdg-utils opens the home page in the browser; Qt's own
# translations speak the user's language in its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, shared-mime-info, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "gvfs, gvfs-backends, gvfs-fuse, adwaita-icon-theme, fonts-liberation2, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The program's own files (install rules name no component, so theirs is
# "Unspecified"), and the package's documents beside them, which a plain
# install leaves out. Installing by component also keeps CPack from writing
# over the install_manifest.txt that `make uninstall` reads.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};Tarnwick;Unspecified;/"
    "${CMAKE_BINARY_DIR};Tarnwick;debian;/")

include(CPack)
