# `cpack -G DEB` in a build folder: a .deb of everything `cmake --install` puts in place, its
# dependencies taken from the libraries the programs link.
set(CPACK_PACKAGE_NAME orvalis)
set(CPACK_PACKAGE_VENDOR "Ventrax")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop companion program of the Ventrax K27 covermeter")
set(CPACK_PACKAGE_DESCRIPTION "Downloads cover and half-cell surveys from the Ventrax K27 over a serial cable, keeps them in a folder tree, draws colour maps, run charts and histograms, and prints, saves and mails reports. Includes orvalis-cli and the k27sim gauge simulator.")
set(CPACK_PACKAGE_CONTACT "Ventrax Orvalis developers <orvalis@ventrax.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Programs the package calls rather than links: the mail composer, the desktop opener, the Arial
# stand-in the reports are drawn with, and the JPEG and SVG plug-ins Qt loads at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dbus-user-session, cups-client, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
