# Installing the game (cmake --install) and packaging it as a Debian package (cpack -G DEB).
include(GNUInstallDirs)

set(QUORVEL_HOMEPAGE "" CACHE STRING
    "The game's home page, which serves docs/screenshot-*.png; empty: none")

# The installed game finds its pictures relative to its own executable, so that
# the installed tree can be moved as a whole.
file(RELATIVE_PATH QUORVEL_DATA_FROM_BINARY ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quorvel)
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

install(TARGETS quorvel quorvel-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/Images/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel/Images
        FILES_MATCHING PATTERN "*.bmp")
install(DIRECTORY ${CMAKE_BINARY_DIR}/Sounds/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel/Sounds
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${CMAKE_BINARY_DIR}/icons/quorvel.bmp DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel/icons)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.quorvel.Quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/org.quorvel.Quorvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quorvel.6 ${CMAKE_SOURCE_DIR}/packaging/quorvel-replay.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel team")
set(CPACK_PACKAGE_VERSION 1.0.0)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/shell/command_line.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS QUORVEL_VERSION="${CPACK_PACKAGE_VERSION}")  # what --version prints
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard-only drive-thru restaurant game")
set(CPACK_PACKAGE_DESCRIPTION "Work a fast-food drive-thru alone from 6 am to 10 pm: answer the cars, key\n\
their orders, pack the bags in the kitchen and hand them out at the window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorvel team")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
if(QUORVEL_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORVEL_HOMEPAGE})
endif()
# The libraries are worked out from the programs by dpkg-shlibdeps; OpenGL's
# drivers are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)  # as Debian packages ship their programs: no debug sections
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
include(CPack)

if(QUORVEL_TESTS AND NOT QUORVEL_SANITIZE)
  set(QUORVEL_INSTALL_TEST ${CMAKE_SOURCE_DIR}/tests/install_test.sh)
  # Installs into a temporary prefix and starts the installed game, under an X
  # server, from a folder that has nothing of the game in it.
  add_test(NAME InstalledGameRuns COMMAND bash ${QUORVEL_INSTALL_TEST} installed ${CMAKE_BINARY_DIR})
  # Builds the package and checks what it holds and what it depends on.
  add_test(NAME PackageFiles COMMAND bash ${QUORVEL_INSTALL_TEST} package ${CMAKE_BINARY_DIR})
  set_tests_properties(InstalledGameRuns PackageFiles PROPERTIES
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp" TIMEOUT 180
    RESOURCE_LOCK quorvel-package)
endif()
