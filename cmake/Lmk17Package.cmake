# cpack -G DEB (scripts/package.sh): lmk17_<version>_amd64.deb of everything
# cmake --install puts into /usr, the programs stripped and their debug
# information in a package of its own (lmk17-dbgsym, .ddeb), the library
# dependencies from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME lmk17)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "LMK-17")
set(CPACK_PACKAGE_CONTACT "${LMK17_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure, test and monitor K8410/K8620 transmitters")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The DEB generator itself moves the debug information into the dbgsym
# package and strips the programs (CPACK_STRIP_FILES would strip them first
# and leave nothing for it).
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LMK17_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# The long description; CPack puts the summary above it.
set(CPACK_PACKAGE_DESCRIPTION
    "LMK-17 reads the configuration of K8410 and K8620 measuring transmitters
over a serial line (RS-232/RS-485), checks every value against the input
range, writes it back and keeps it in .ptf files. It builds customer
linearizations (.lin files), reads live values, drives the output for loop
tests, monitors transmitters into text or CSV logs and prints a
configuration protocol.
.
The package holds the desktop program lmk17, the command-line program
lmk17-cli and the software transmitter lmk17-sim. Serial ports belong to
the dialout group: add your user to it (adduser USER dialout) and log in
again before using a transmitter.")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
