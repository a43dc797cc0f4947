# A Debian package of what cmake/Install.cmake installs: `cpack -G DEB` in the build folder
# (scripts/package.sh does the whole build). Library dependencies are read off the binaries
# by dpkg-shlibdeps; the packages K41 opens at run time without linking them are named here.
set(K41_MAINTAINER "K41 developers <k41@example.org>" CACHE STRING "Debian package maintainer")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME k41)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "K41 developers")
set(CPACK_PACKAGE_CONTACT "${K41_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fare display board of a Japanese route bus")
set(CPACK_PACKAGE_DESCRIPTION
    "K41 draws the fare display board at the front of a Japanese route bus:
the fare due at the coming stop for every numbered-ticket number, in
seven-segment digits, and the coming stop's name on a scrolling dot-matrix
line. Its operation panel loads a route's fare data, steps stop by stop,
switches the late-night fare and the backlight and plays the route's sounds.
Sample routes are included; k41tool builds fare data from CSV.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${K41_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt's window-system plugins, the MIDI SoundFont, the Japanese faces the board asks for, and
# the speech data: espeak-ng's voices and MeCab's dictionary, which reads kanji aloud.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, timgm6mb-soundfont, fonts-ipafont-gothic, fonts-ipafont-mincho, espeak-ng-data, mecab-ipadic-utf8")
# The libraries K41 opens on first use instead of linking them (cmake/LazyLibrary.cmake).
get_property(k41_lazy_packages GLOBAL PROPERTY K41_LAZY_LIBRARY_PACKAGES)
list(REMOVE_DUPLICATES k41_lazy_packages)
foreach(package IN LISTS k41_lazy_packages)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${package}")
endforeach()
# Qt's own Japanese texts for standard buttons, and KANJIDIC for kanji MeCab cannot read; K41
# works without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, kanjidic")

include(CPack)
