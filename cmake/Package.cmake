# `cpack -G DEB` in a build folder: a .deb of everything `cmake --install` puts in place, its
# dependencies taken from the libraries the programs link.
set(CPACK_PACKAGE_NAME orvalis)
set(CPACK_PACKAGE_VENDOR "Ventrax")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop companion program of the Ventrax K27 covermeter")
# Debian wants the extended description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Orvalis downloads concrete cover and half-cell potential surveys from the"
  "Ventrax K27 over a serial cable and keeps them in a folder tree, where they"
  "can be checked and corrected. It draws colour maps, run charts and"
  "histograms, and prints, saves as PDF and mails reports designed once for"
  "any survey."
  "."
  "The package also holds orvalis-cli, the same work from the command line."
)
set(CPACK_PACKAGE_CONTACT "Ventrax Orvalis developers <orvalis@ventrax.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A Debian revision: the package is not a native Debian one, so its changelog is changelog.Debian.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Stripping, compressed manual pages, copyright and changelog (see the script).
set(CPACK_ORVALIS_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageStage.cmake)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Programs the package calls rather than links: the mail composer, the desktop opener, the Arial
# stand-in the reports are drawn with, and the JPEG and SVG plug-ins Qt loads at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dbus-user-session, cups-client, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
