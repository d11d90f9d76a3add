# The Debian package: cpack -G DEB in the build folder (scripts/package.sh).
set(CPACK_PACKAGE_NAME twopoint)
set(CPACK_PACKAGE_VENDOR "The Twopoint developers")
set(CPACK_PACKAGE_CONTACT "The Twopoint developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geodetic calculator for two points: range/bearing and datum shift")
set(CPACK_PACKAGE_DESCRIPTION "Twopoint holds two points, each in geographic, cartesian and UTM grid
co-ordinates on its own datum, and recomputes everything between them at once:
geodetic distance and azimuths, grid bearings, great circle and rhumb line,
seven-parameter datum shifts with the EGM96 geoid, and the North Sea, NGO 1948
and RT38 transformations. twopoint-calc does the same for many points at once
from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time dependencies come from the shared libraries the programs use (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_GENERATOR DEB)
include(CPack)
