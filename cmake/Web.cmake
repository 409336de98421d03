# The browser build (emscripten): the libraries the native build finds, made from SDL2 and
# SDL2_mixer built for wasm32, and the two programs: the game as a web page and
# quorvel-replay for node. scripts/web.sh configures it.
set(QUORVEL_WEB_PREFIX "" CACHE PATH "Where SDL2 and SDL2_mixer for wasm32 are installed")
set(QUORVEL_WEB_DATA "" CACHE PATH "A native build folder holding the generated Images/ and Sounds/")
if(NOT EXISTS ${QUORVEL_WEB_PREFIX}/lib/libSDL2.a OR NOT EXISTS ${QUORVEL_WEB_DATA}/Images)
  message(FATAL_ERROR "The browser build needs QUORVEL_WEB_PREFIX and QUORVEL_WEB_DATA: run scripts/web.sh")
endif()

# em++ starts Python for every file it compiles; its clang, given the flags em++ would add
# (Debian's emscripten runs clang 14), makes the same objects in about half the time.
find_program(QUORVEL_WEB_CLANG clang++-14 REQUIRED)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} --cflags OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "<CMAKE_CXX_COMPILER>" "${QUORVEL_WEB_CLANG} ${flags}" CMAKE_CXX_COMPILE_OBJECT "${CMAKE_CXX_COMPILE_OBJECT}")

# OpenGL 1.1 through emscripten's emulation of the fixed-function pipeline on WebGL 1.
add_library(OpenGL::GL INTERFACE IMPORTED)
target_link_options(OpenGL::GL INTERFACE -sLEGACY_GL_EMULATION=1 -sMAX_WEBGL_VERSION=1)
add_library(OpenGL::GLU INTERFACE IMPORTED)

add_library(SDL2::SDL2 INTERFACE IMPORTED)
# -I, not a system folder: emscripten's own folders, searched before those, hold an older SDL.h.
target_compile_options(SDL2::SDL2 INTERFACE -I${QUORVEL_WEB_PREFIX}/include/SDL2)
target_link_libraries(SDL2::SDL2 INTERFACE ${QUORVEL_WEB_PREFIX}/lib/libSDL2.a)
add_library(PkgConfig::SDL2_MIXER INTERFACE IMPORTED)
target_link_libraries(PkgConfig::SDL2_MIXER INTERFACE ${QUORVEL_WEB_PREFIX}/lib/libSDL2_mixer.a SDL2::SDL2)

# The JSON library is headers only: a copy of them, so that no other host header is seen.
file(COPY /usr/include/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${CMAKE_BINARY_DIR}/host-headers)

function(quorvel_web_programs)
  # The browser's variant of the platform layer stands in for the native one.
  get_target_property(shell_sources quorvel_shell SOURCES)
  list(REMOVE_ITEM shell_sources ${CMAKE_SOURCE_DIR}/src/shell/platform_sdl.cpp)
  set_target_properties(quorvel_shell PROPERTIES SOURCES "${shell_sources}")
  target_sources(quorvel_shell PRIVATE ${CMAKE_SOURCE_DIR}/src/shell/web/platform_web.cpp)
  # The page: quorvel.js, quorvel.wasm and quorvel.data (the pictures and sounds, at
  # /quorvel/Images and /quorvel/Sounds); scripts/web.sh adds index.html.
  add_executable(quorvel ${CMAKE_SOURCE_DIR}/src/shell/web/main_web.cpp)
  target_link_libraries(quorvel PRIVATE quorvel_shell SDL2::SDL2)
  set_target_properties(quorvel PROPERTIES SUFFIX .js)
  # SDL's audio code calls these library functions; a response file keeps the $ from the shell.
  file(WRITE ${CMAKE_BINARY_DIR}/sdl-functions.rsp "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=[$autoResumeAudioContext,$dynCall]\n")
  target_link_options(quorvel PRIVATE -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sFORCE_FILESYSTEM=1
    @${CMAKE_BINARY_DIR}/sdl-functions.rsp "-sEXPORTED_RUNTIME_METHODS=['FS','UTF8ToString']"
    --pre-js ${CMAKE_SOURCE_DIR}/web/page.js --js-library ${CMAKE_SOURCE_DIR}/web/library.js
    "SHELL:--preload-file ${QUORVEL_WEB_DATA}/Images@/quorvel/Images"
    "SHELL:--preload-file ${QUORVEL_WEB_DATA}/Sounds@/quorvel/Sounds" "SHELL:--exclude-file *.stamp")
  set_target_properties(quorvel PROPERTIES LINK_DEPENDS
    "${CMAKE_SOURCE_DIR}/web/page.js;${CMAKE_SOURCE_DIR}/web/library.js;${QUORVEL_WEB_DATA}/Images/.stamp;${QUORVEL_WEB_DATA}/Sounds/.stamp")

  # quorvel-replay on node's own file system: the same frames as the native tool. It
  # has no OpenGL, so it runs with --no-gl and every shot fails.
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/replay/*.cpp)
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/tools/replay/shot.cpp)
  add_executable(quorvel-replay ${sources} ${CMAKE_SOURCE_DIR}/tools/replay/node/no_shot.cpp)
  target_link_libraries(quorvel-replay PRIVATE quorvel_game)
  set_target_properties(quorvel-replay PROPERTIES SUFFIX .js)
  target_link_options(quorvel-replay PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
    --pre-js ${CMAKE_SOURCE_DIR}/web/replay_node.js)
  set_target_properties(quorvel-replay PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/replay_node.js)
  # Run as build-web/game/quorvel-replay; node's own fetch cannot read the .wasm file.
  file(WRITE ${CMAKE_BINARY_DIR}/quorvel-replay
       "#!/bin/sh\nexec node --no-experimental-fetch \"$(dirname \"$0\")/quorvel-replay.js\" \"$@\"\n")
  file(CHMOD ${CMAKE_BINARY_DIR}/quorvel-replay PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()
