# `make package`: a Debian package of everything `cmake --install` installs.
# Included from the top CMakeLists.txt, before packaging/, whose changelog
# names the same maintainer and version.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pl63)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The pl63 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for PL-63 hand-held radios")
# The extended description; CPack indents each line and writes an empty one
# as Debian's " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "pl63 reads the memory of a PL-63 hand-held two-way radio over its
programming cable, edits the 16 channels and the radio-wide options, keeps
them as .DAT codeplug files and writes them back into the radio.

The package holds the window program pl63-gui (Simplified Chinese and
English), the command line pl63, which also imports and exports channel
lists and writes several radios at once, and pl63-radiosim, a simulated
radio on a pseudo-terminal for trying them without a radio.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "pl63 maintainers <maintainers@users.noreply.c-seed-6c36a1cc.example>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Chinese texts need a CJK font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(PL63_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
include(CPack)
