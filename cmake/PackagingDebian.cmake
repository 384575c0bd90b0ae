# Debian and Ubuntu: one .deb with both programs, the desktop entry, the icons, the manual
# page and the AppStream metadata. Its dependencies come from the programs' libraries
# (dpkg-shlibdeps), so that they follow the distribution built on.
set(CPACK_GENERATOR DEB)
set(KESTREL_PACKAGE_CONTACT "KestrelToADIF maintainers <maintainers@kestreltoadif.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${KESTREL_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_NAME kestreltoadif)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Below the summary line; CPack indents each line and marks the empty one.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KestrelToADIF turns a Kestrel log database, a binary file with one record per\n"
    "radio contact (QSO), into an ADIF file, the text format that logging programs,\n"
    "QSL services and award trackers import.\n"
    "\n"
    "The package holds the window, KestrelToADIF, the command line,\n"
    "kestrel-to-adif, and the same converter as a page that any web browser opens,\n"
    "/usr/share/kestreltoadif/KestrelToADIF.html.")

# The DXCC table's prefixes are AD1C's, whose MIT licence goes with them.
install(FILES ${PROJECT_SOURCE_DIR}/src/dxcc/DataLicenses.txt
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestreltoadif)
