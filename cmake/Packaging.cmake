# SPDX-FileCopyrightText: 2026 Niveau Seconde developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by CPack from the installed tree (scripts/package):
# niveau-seconde_<version>_<arch>.deb, installing under /usr.
set(CPACK_PACKAGE_NAME niveau-seconde)
set(CPACK_PACKAGE_VENDOR "Niveau Seconde developers")
set(CPACK_PACKAGE_CONTACT "Niveau Seconde developers <contact@niveauseconde.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics exercises for the first year of the French lycée")
set(CPACK_PACKAGE_DESCRIPTION
    "Niveau Seconde is a French-language teaching aid for the mathematics of the first year of the
French lycée: prime numbers (primality test, search, Goldbach, sieve of Eratosthenes),
equations and functions (degree 1 and 2, tables of variation, curves, diophantine equations,
reference functions) and probability (random numbers, coin and dice simulations,
combinations), with course pages, help for every tool and a glossary.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; what it loads at run time is named here:
# without Qt's platform plugins no window can open, the French translations make Qt's own dialogs
# French, the Wayland plugin lets it run natively in a Wayland session.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

include(CPack)
