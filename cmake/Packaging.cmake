# SPDX-FileCopyrightText: 2026 Niveau Seconde developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by CPack from the installed tree (scripts/package):
# niveau-seconde_<version>_<arch>.deb, installing under /usr.

# Who makes the package, read when the build is configured, the way Debian's own tools (dch)
# read it: the name from DEBFULLNAME (else NAME), the address from DEBEMAIL (else EMAIL), either
# of which may be written "Name <address>"; without them, the account's full name and
# user@host, host from /etc/mailname or else the machine's full name.
function(ns_packager result)
    set(name "$ENV{DEBFULLNAME}")
    if(name STREQUAL "")
        set(name "$ENV{NAME}")
    endif()
    set(address "$ENV{DEBEMAIL}")
    if(address STREQUAL "")
        set(address "$ENV{EMAIL}")
    endif()
    if(address MATCHES "^(.*[^ ]) *<([^>]*)>$")
        if(name STREQUAL "")
            set(name "${CMAKE_MATCH_1}")
        endif()
        set(address "${CMAKE_MATCH_2}")
    endif()
    if(name STREQUAL "" OR address STREQUAL "")
        execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    if(name STREQUAL "")
        execute_process(COMMAND getent passwd "${user}" OUTPUT_VARIABLE entry OUTPUT_STRIP_TRAILING_WHITESPACE)
        # user:password:uid:gid:full name,room,phone…:home:shell
        if(entry MATCHES "^[^:]*:[^:]*:[^:]*:[^:]*:([^:,]*)")
            set(name "${CMAKE_MATCH_1}")
        endif()
        if(name STREQUAL "")
            set(name "${user}")
        endif()
    endif()
    if(address STREQUAL "")
        set(host "")
        if(EXISTS /etc/mailname)
            file(STRINGS /etc/mailname host LIMIT_COUNT 1)
        endif()
        if(host STREQUAL "")
            cmake_host_system_information(RESULT host QUERY FQDN)
        endif()
        set(address "${user}@${host}")
        message(STATUS "Package maker: DEBEMAIL is not set, the address is ${address}")
    endif()
    set(${result} "${name} <${address}>" PARENT_SCOPE)
endfunction()
ns_packager(NS_PACKAGER)

set(CPACK_PACKAGE_NAME niveau-seconde)
set(CPACK_PACKAGE_VENDOR "Niveau Seconde developers")
set(CPACK_PACKAGE_CONTACT "${NS_PACKAGER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NS_PACKAGER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics exercises for the first year of the French lycée")
# Debian shows the description in 80 columns: lines stay within 72.
set(CPACK_PACKAGE_DESCRIPTION
    "Niveau Seconde is a French-language teaching aid for the mathematics of
the first year of the French lycée:
 - prime numbers: primality test, search, Goldbach, sieve of Eratosthenes;
 - equations and functions: degree 1 and 2, tables of variation, curves,
   diophantine equations, reference functions;
 - probability: random numbers, coin and dice simulations, combinations;
with course pages, help for every tool and a glossary.")
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

# The changelog (Debian's format, its entries signed by the package's maker) and the manual page,
# compressed as Debian wants them: gzip -9, without the file's name and date.
file(STRINGS ${PROJECT_SOURCE_DIR}/assets/doc/changelog ns_changelog_top LIMIT_COUNT 1)
if(NOT ns_changelog_top MATCHES "^niveau-seconde \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "assets/doc/changelog: its first entry is not version ${PROJECT_VERSION}: "
                        "${ns_changelog_top}")
endif()
find_program(GZIP gzip REQUIRED)
set(ns_doc_dir ${PROJECT_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/assets/doc/changelog ${ns_doc_dir}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/doc/niveau-seconde.1 ${ns_doc_dir}/niveau-seconde.1 @ONLY)
foreach(doc changelog niveau-seconde.1)
    add_custom_command(OUTPUT ${ns_doc_dir}/${doc}.gz
        COMMAND ${GZIP} -9nfk ${doc}
        WORKING_DIRECTORY ${ns_doc_dir}
        DEPENDS ${ns_doc_dir}/${doc}
        COMMENT "Compressing ${doc}")
endforeach()
add_custom_target(package_docs ALL DEPENDS ${ns_doc_dir}/changelog.gz ${ns_doc_dir}/niveau-seconde.1.gz)
install(FILES ${ns_doc_dir}/changelog.gz DESTINATION share/doc/niveau-seconde)
install(FILES ${ns_doc_dir}/niveau-seconde.1.gz DESTINATION share/man/man1)

include(CPack)
