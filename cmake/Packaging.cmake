# `cpack -G DEB` in a build folder makes tavu_<version>_<arch>.deb from the install rules
# (dist/CMakeLists.txt). Its library dependencies are computed from the binaries by
# dpkg-shlibdeps; the Japanese face the window names is the one dependency no binary shows.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TAVU Project")
set(CPACK_PACKAGE_CONTACT "TAVU Project <maintainers@tavu.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "random books and match conditions for a card-and-board strategy game")
set(CPACK_PACKAGE_DESCRIPTION
    "TAVU deals a player a random 50-card book and random match conditions under filters
the player sets, so that friends can play with books nobody chose. Single cards and
lists of creatures, items and spells, a complete book, a battle map with its rules and
CPU opponents can all be drawn; every result can be written to a text file as a record
against cheating. The window is in Japanese; tavu-cli makes every draw from the command
line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://tavu.invalid/")
include(CPack)
