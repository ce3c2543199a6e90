# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in the build folder writes
# hoshizora_<version>_<arch>.deb there.
# HOSHIZORA_MAINTAINER is set in data/, where the changelog names it too.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hoshizora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${HOSHIZORA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop planetarium for Japanese-speaking users")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${HOSHIZORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION "星空プラネタリウム (hoshizora) shows the sky as an observer on the Earth sees
it and lets it turn: 300 bright stars, the Sun, the planets from Mercury to
Pluto and the Moon with its phase, over the horizon and an optional
altitude-azimuth grid, one simulated minute per frame, for a place and a
start moment typed in Japan Standard Time. The star table, orbital elements
and lunar theory are built in. hoshizora-render draws the same frames
without a window.")

include(CPack)
