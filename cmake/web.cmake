# The browser build (Emscripten): the libraries the layer uses come as static libraries from
# GAMES_WEB_PREFIX, built from Debian's sources by scripts/web-setup, and are named here as the
# desktop build's pkg-config targets, so that the layer's CMake files serve both builds.
# Nothing comes from Emscripten's ports, which it would download.
set(GAMES_WEB_PREFIX "${PROJECT_SOURCE_DIR}/build/web-prefix" CACHE PATH "Libraries built for the browser")
# The content the desktop build made, preloaded into each page at the paths the game uses.
set(GAMES_WEB_CONTENT "${PROJECT_SOURCE_DIR}/build/games" CACHE PATH "The desktop build's game folders")
set(GAMES_WEB_OUTPUT "${PROJECT_SOURCE_DIR}/build/web" CACHE PATH "Folder that receives one page per game")

function(games_web_library name)
  cmake_parse_arguments(LIB "" "" "INCLUDES;LIBRARIES" ${ARGN})
  add_library(${name} INTERFACE IMPORTED GLOBAL)
  list(TRANSFORM LIB_INCLUDES PREPEND "${GAMES_WEB_PREFIX}/include/")
  list(TRANSFORM LIB_LIBRARIES PREPEND "${GAMES_WEB_PREFIX}/lib/")
  set_target_properties(${name} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${GAMES_WEB_PREFIX}/include;${LIB_INCLUDES}"
    INTERFACE_LINK_LIBRARIES "${LIB_LIBRARIES}")
endfunction()

games_web_library(PkgConfig::SDL2 INCLUDES SDL2 LIBRARIES libSDL2.a)
games_web_library(PkgConfig::SDL2_IMAGE INCLUDES SDL2 LIBRARIES libSDL2_image.a libSDL2.a)
games_web_library(PkgConfig::SDL2_MIXER INCLUDES SDL2 LIBRARIES libSDL2_mixer.a libmpg123.a libSDL2.a)
games_web_library(PkgConfig::SDL2_TTF INCLUDES SDL2 freetype2 LIBRARIES libSDL2_ttf.a libfreetype.a libSDL2.a)
games_web_library(PkgConfig::ASSIMP LIBRARIES libassimp.a libminizip.a libz.a)
# GL is the browser's WebGL 2 through Emscripten's own GLES 3 headers; no loader.
add_library(PkgConfig::EPOXY INTERFACE IMPORTED GLOBAL)

# The page's settings, for every program.
add_link_options(
  -sASYNCIFY                    # the games' blocking loops run as they are, yielding in their sleeps
  -sASYNCIFY_STACK_SIZE=65536
  -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
  -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1              # a game that ends ends its page's program, and the page says so
  -sFORCE_FILESYSTEM=1
  -lidbfs.js
  -sMINIFY_HTML=0               # Debian's HTML minifier fails
  # SDL's audio needs these library functions; a file keeps their "$" from the shell.
  "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/cmake/web_library_functions.json"
  "-sEXPORTED_RUNTIME_METHODS=['FS','ENV']")
