# Installing the game (cmake --install) and packaging it as two Debian packages
# (cpack -G DEB): quorvel, the game, and quorvel-tools, the replay tool and the benchmarks.
include(GNUInstallDirs)

set(QUORVEL_HOMEPAGE "" CACHE STRING
    "The game's home page, which serves docs/screenshot-*.png; empty: none")
set(QUORVEL_MAINTAINER "The Quorvel team <quorvel@example.org>" CACHE STRING
    "The packages' maintainer, a name and an e-mail address")
# Debian keeps games apart from other programs: their programs in games/, their data
# in share/games/. Both are relative to the install prefix.
set(QUORVEL_INSTALL_BINDIR games CACHE STRING "Where the programs go, under the prefix")
set(QUORVEL_INSTALL_DATADIR share/games/quorvel CACHE STRING
    "Where the pictures and sounds go, under the prefix")

# The installed game finds its pictures relative to its own executable, so that
# the installed tree can be moved as a whole.
file(RELATIVE_PATH QUORVEL_DATA_FROM_BINARY ${CMAKE_INSTALL_PREFIX}/${QUORVEL_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${QUORVEL_INSTALL_DATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/render/picture_folders.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS QUORVEL_DATA_FROM_BINARY="${QUORVEL_DATA_FROM_BINARY}")

# The application icon, drawn by the picture generator.
target_link_libraries(quorvel-pictures PRIVATE PNG::PNG)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/icons/.stamp
  COMMAND quorvel-pictures --icons ${CMAKE_BINARY_DIR}/icons
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/icons/.stamp
  DEPENDS quorvel-pictures
  COMMENT "Drawing the application icon")
add_custom_target(icons ALL DEPENDS ${CMAKE_BINARY_DIR}/icons/.stamp)

# Software centres fetch screenshots from the web, so the metainfo can name the
# README's screenshots only where a home page serves them.
set(QUORVEL_WEB_ENTRIES "")
if(QUORVEL_HOMEPAGE)
  set(QUORVEL_WEB_ENTRIES "  <url type=\"homepage\">${QUORVEL_HOMEPAGE}</url>\n  <screenshots>\n")
  foreach(shot "title|default|The title menu: Tibor, Ansel and the register over the drink wallpaper"
                "register||The register view: an order keyed in, its total on the register's display"
                "window||The hand-out window: a customer at the window, the picked-up bag ready to hand out")
    string(REPLACE "|" ";" shot "${shot}")
    list(GET shot 0 name)
    list(GET shot 1 type)
    list(GET shot 2 caption)
    if(type)
      set(type " type=\"${type}\"")
    endif()
    string(APPEND QUORVEL_WEB_ENTRIES "    <screenshot${type}>\n      <caption>${caption}</caption>\n"
           "      <image>${QUORVEL_HOMEPAGE}/screenshot-${name}.png</image>\n    </screenshot>\n")
  endforeach()
  string(APPEND QUORVEL_WEB_ENTRIES "  </screenshots>\n")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/org.quorvel.Quorvel.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/org.quorvel.Quorvel.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)

# Manual pages and the changelog, compressed as Debian ships them (gzip -9n: the
# same bytes on every build). The benchmarks share one page.
set(QUORVEL_GZIPPED "")
foreach(file ${CMAKE_SOURCE_DIR}/packaging/quorvel.6 ${CMAKE_SOURCE_DIR}/packaging/quorvel-replay.6
             ${CMAKE_SOURCE_DIR}/packaging/quorvel-bench.6 ${CMAKE_BINARY_DIR}/packaging/changelog)
  get_filename_component(name ${file} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gzipped} COMMAND gzip -9n -c ${file} > ${gzipped} DEPENDS ${file}
                     COMMENT "Compressing ${name}")
  list(APPEND QUORVEL_GZIPPED ${gzipped})
endforeach()
foreach(bench between-days-frames front-end-frames played-day frame-wait)
  file(CREATE_LINK quorvel-bench.6.gz ${CMAKE_BINARY_DIR}/packaging/quorvel-bench-${bench}.6.gz SYMBOLIC)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${QUORVEL_GZIPPED})

set(QUORVEL_MAN6 ${CMAKE_INSTALL_MANDIR}/man6)
install(TARGETS quorvel RUNTIME DESTINATION ${QUORVEL_INSTALL_BINDIR} COMPONENT game)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Images/ DESTINATION ${QUORVEL_INSTALL_DATADIR}/Images COMPONENT game
        FILES_MATCHING PATTERN "*.bmp")
install(DIRECTORY ${CMAKE_BINARY_DIR}/Sounds/ DESTINATION ${QUORVEL_INSTALL_DATADIR}/Sounds COMPONENT game
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${CMAKE_BINARY_DIR}/icons/quorvel.bmp DESTINATION ${QUORVEL_INSTALL_DATADIR}/icons COMPONENT game)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT game
        FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.quorvel.Quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${CMAKE_BINARY_DIR}/packaging/org.quorvel.Quorvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
install(FILES ${CMAKE_BINARY_DIR}/packaging/quorvel.6.gz DESTINATION ${QUORVEL_MAN6} COMPONENT game)

# The test bench and the benchmarks: for developers, and they pull in libpng.
set(QUORVEL_TOOLS quorvel-replay ${QUORVEL_BENCH_TARGETS})
install(TARGETS ${QUORVEL_TOOLS} RUNTIME DESTINATION ${QUORVEL_INSTALL_BINDIR} COMPONENT tools)
install(FILES ${CMAKE_BINARY_DIR}/packaging/quorvel-replay.6.gz DESTINATION ${QUORVEL_MAN6} COMPONENT tools)
if(QUORVEL_BENCH_TARGETS)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/quorvel-bench.6.gz
                ${CMAKE_BINARY_DIR}/packaging/quorvel-bench-between-days-frames.6.gz
                ${CMAKE_BINARY_DIR}/packaging/quorvel-bench-front-end-frames.6.gz
                ${CMAKE_BINARY_DIR}/packaging/quorvel-bench-played-day.6.gz
                ${CMAKE_BINARY_DIR}/packaging/quorvel-bench-frame-wait.6.gz
          DESTINATION ${QUORVEL_MAN6} COMPONENT tools)
endif()

# Each package's copyright and changelog, where Debian looks for them.
foreach(component game tools)
  set(package quorvel)
  if(component STREQUAL "tools")
    set(package quorvel-tools)
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel team")
set(CPACK_PACKAGE_VERSION 1.0.0)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/shell/command_line.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS QUORVEL_VERSION="${CPACK_PACKAGE_VERSION}")  # what --version prints
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORVEL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
if(QUORVEL_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORVEL_HOMEPAGE})
endif()
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game tools)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME quorvel)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME quorvel-tools)
set(CPACK_DEBIAN_GAME_DESCRIPTION "keyboard-only drive-thru restaurant game\n\
Work a fast-food drive-thru alone from 6 am to 10 pm: answer the cars, key\n\
their orders, pack the bags in the kitchen and hand them out at the window.")
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "replay tool and benchmarks of the Quorvel game\n\
quorvel-replay runs the game headless against scripts of key presses and prints\n\
its state, its draws and its sounds, or pictures of its frames; the benchmarks\n\
time its frames. For testing and studying the game; not needed to play it.")
# The libraries are worked out from the programs by dpkg-shlibdeps. OpenGL comes
# through libglvnd, which finds whichever driver the machine has: no driver is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "quorvel (= ${CPACK_PACKAGE_VERSION})")
set(CPACK_STRIP_FILES ON)  # as Debian packages ship their programs: no debug sections
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

if(QUORVEL_TESTS AND NOT QUORVEL_SANITIZE)
  set(QUORVEL_INSTALL_TEST ${CMAKE_SOURCE_DIR}/tests/install_test.sh)
  # Installs into a temporary prefix and starts the installed game, under an X
  # server, from a folder that has nothing of the game in it.
  add_test(NAME InstalledGameRuns COMMAND bash ${QUORVEL_INSTALL_TEST} installed ${CMAKE_BINARY_DIR})
  # Builds both packages, checks what they hold and depend on, and runs lintian on them.
  add_test(NAME PackageFiles COMMAND bash ${QUORVEL_INSTALL_TEST} package ${CMAKE_BINARY_DIR})
  set_tests_properties(InstalledGameRuns PackageFiles PROPERTIES
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp" TIMEOUT 300
    RESOURCE_LOCK quorvel-package)
endif()
