# The Debian package of the install tree (scripts/package.sh builds it): `cpack -G DEB`.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${NORVIK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "monthly withholding tax calculators (源泉徴収税額 甲欄・乙欄)")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/dist/package-description)
set(CPACK_PACKAGE_HOMEPAGE_URL "${NORVIK_HOMEPAGE}")
# Stripped as Debian's own packages are (dh_strip): the debugging symbols and the compiler's notes.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianStrip.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NORVIK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows name Japanese faces that only these fonts stand in for, and Qt draws no window
# without its platform plugins (libqt6gui6 only recommends them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-qpa-plugins")
# HELP opens the file through the desktop: xdg-open finds the viewer that xchm registers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm, xdg-utils")

include(CPack)
