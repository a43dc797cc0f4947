# What `cmake --install` puts where (GNU layout under CMAKE_INSTALL_PREFIX):
#   bin/K41, bin/k41tool
#   share/k41/samples/{fare,tape,sounds,panels,plugins}/   the sample data built in samples/
#   share/k41/places.dic, names.dic, towns.tsv, joins.tsv   the speech's place names (MeCab user
#                                           dictionaries, one for each source's licence)
#   share/k41/kanji-in-names.tsv            how those names read each kanji by position
#   share/k41/part-readings.tsv             how they read a listed name inside a longer one
#   share/k41/kanji.tsv                     readings of the kanji KANJIDIC lacks (Unihan)
#   share/k41/nouns.tsv, nouns-names.tsv    nouns' readings, for romaji without its long
#                                           vowels marked (one for each source's licence)
#   share/k41/loanwords.tsv                 the IPA dictionary's nouns in katakana, which
#                                           English words are said as
#   share/k41/K41.in4                       example settings pointing at those samples (written
#                                           at install time for the prefix used); K41
#                                           copies it into ~/.config/K41/ on its first start
#   share/applications/, share/metainfo/, share/icons/hicolor/   menu entry, AppStream, icon
#   share/man/man1/                         K41.1.gz, k41tool.1.gz
#   share/doc/k41/                          user guide with its pictures, copyright, changelog
include(GNUInstallDirs)

set(K41_APP_ID jp.k41.K41)
set(K41_HOMEPAGE "https://k41.example.org" CACHE STRING
    "Home page of K41; the AppStream metadata takes its screenshots from under it")
set(k41_datadir ${CMAKE_INSTALL_DATADIR}/k41)
# Debian names the documentation folder after the package (k41), not the project (K41).
set(k41_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/k41)
set(k41_dist ${CMAKE_SOURCE_DIR}/dist)

# K41 finds its installed data relative to its own folder, so the tree can move as a whole.
file(RELATIVE_PATH k41_data_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/k41)
target_compile_definitions(k41core PRIVATE K41_DATA_FROM_BIN="${k41_data_from_bin}"
                                           K41_HOMEPAGE="${K41_HOMEPAGE}")
target_compile_definitions(k41sound PRIVATE K41_DATA_FROM_BIN="${k41_data_from_bin}")

install(TARGETS K41 k41tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The place-name dictionaries of the speech, when the build could make them
# (sound/CMakeLists.txt).
if(K41_HAVE_PLACES_DIC)
  install(FILES ${K41_PLACES_DIC} ${K41_TOWNS_TABLE} ${K41_JOINS_TABLE} ${K41_KANJI_IN_NAMES}
                ${K41_PART_READINGS} DESTINATION ${k41_datadir})
endif()
# The readings of the kanji KANJIDIC lacks, when the build could make them.
if(K41_HAVE_KANJI_TABLE)
  install(FILES ${K41_KANJI_TABLE} DESTINATION ${k41_datadir})
endif()
if(K41_HAVE_PLACES_DIC AND K41_HAVE_NAMES_DIC)
  install(FILES ${K41_NAMES_DIC} DESTINATION ${k41_datadir})
endif()
# The readings of the dictionaries' nouns, beside the place dictionaries they go with.
if(K41_HAVE_NOUN_TABLES)
  install(FILES ${K41_NOUNS_TABLE} ${K41_LOANWORDS_TABLE} DESTINATION ${k41_datadir})
  if(K41_HAVE_NAMES_DIC)
    install(FILES ${K41_NAMES_NOUNS_TABLE} DESTINATION ${k41_datadir})
  endif()
endif()

# The back-end modules, in a folder of K41's own under the library folder.
file(RELATIVE_PATH k41_modules_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/k41)
target_compile_definitions(k41core PRIVATE K41_MODULES_FROM_BIN="${k41_modules_from_bin}")
get_property(k41_modules GLOBAL PROPERTY K41_MODULES)
install(TARGETS ${k41_modules} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/k41)

foreach(part fare tape sounds panels plugins)
  install(DIRECTORY ${K41_SAMPLES_DIR}/${part} DESTINATION ${k41_datadir}/samples)
endforeach()

# Man pages, compressed without a time stamp so that builds are reproducible.
set(k41_manpages)
foreach(page K41.1 k41tool.1)
  set(gz ${CMAKE_BINARY_DIR}/install/${page}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${k41_dist}/man/${page} ${gz}
    DEPENDS ${k41_dist}/man/${page}
    VERBATIM)
  list(APPEND k41_manpages ${gz})
endforeach()
set(k41_changelog ${CMAKE_BINARY_DIR}/install/changelog.gz)
add_custom_command(
  OUTPUT ${k41_changelog}
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${k41_dist}/changelog ${k41_changelog}
  DEPENDS ${k41_dist}/changelog
  VERBATIM)

configure_file(${k41_dist}/${K41_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/install/${K41_APP_ID}.metainfo.xml @ONLY)

add_custom_target(k41install_files ALL DEPENDS ${k41_manpages} ${k41_changelog})

# The example settings file again, with the installed sample folders in it: written at
# install time, when the prefix really used is known.
install(CODE "
  set(K41TOOL \"$<TARGET_FILE:k41tool>\")
  set(K41_JSON_IN \"${CMAKE_SOURCE_DIR}/samples/settings/K41.json.in\")
  set(K41_WORK \"${CMAKE_BINARY_DIR}/install\")
  set(K41_DATADIR \"${k41_datadir}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/InstallExample.cmake\")")
install(FILES ${k41_dist}/${K41_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/install/${K41_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${k41_dist}/icons/${K41_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${k41_dist}/icons/${size}x${size}/${K41_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${k41_manpages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md ${CMAKE_SOURCE_DIR}/docs/ticket-plugins.md
              ${k41_dist}/copyright ${k41_changelog}
        DESTINATION ${k41_docdir})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/screenshots DESTINATION ${k41_docdir})
install(FILES ${k41_dist}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME k41)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
