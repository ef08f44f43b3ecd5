# Every program is a static library (all of its code, its shell included) plus a main.cpp of a
# few lines. add_game makes that executable, links it with the real (SDL) backend and places it
# where the game expects to run from: GAMES_LAYOUT_DIR/<folder>/<binary>.
#
#   add_game(<target> FOLDER <folder> BINARY <path of the program inside its folder>
#            LIBRARY <the game's library> SOURCES <main.cpp> [WRITES <files and folders it writes>]
#            [PAGE_FONT <font file> <the characters it prints, as pyftsubset's --unicodes>])
function(add_game target)
  cmake_parse_arguments(GAME "" "FOLDER;BINARY;LIBRARY" "SOURCES;WRITES;PAGE_FONT" ${ARGN})
  add_executable(${target} ${GAME_SOURCES})
  target_link_libraries(${target} PRIVATE ${GAME_LIBRARY} platform_sdl)
  if(EMSCRIPTEN)
    games_web_page(${target} "${GAME_FOLDER}" "${GAME_BINARY}" "${GAME_WRITES}")
    if(GAME_PAGE_FONT)
      games_web_page_font(${target} ${GAME_PAGE_FONT})
    endif()
    return()
  endif()
  get_filename_component(subdir "${GAME_BINARY}" DIRECTORY)
  get_filename_component(name "${GAME_BINARY}" NAME)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${GAMES_LAYOUT_DIR}/${GAME_FOLDER}/${subdir}"
    OUTPUT_NAME "${name}")
  install(TARGETS ${target} DESTINATION "games/${GAME_FOLDER}/${subdir}")
endfunction()

# add_game_content(<target> FOLDER <folder> OUTPUTS <files relative to the folder> ARGS <args>)
# runs the asset maker at build time; its outputs land in the game's folder and are installed with it.
function(add_game_content target)
  cmake_parse_arguments(CONTENT "" "FOLDER" "OUTPUTS;ARGS" ${ARGN})
  set(root "${GAMES_LAYOUT_DIR}/${CONTENT_FOLDER}")
  set(outputs "")
  foreach(file IN LISTS CONTENT_OUTPUTS)
    list(APPEND outputs "${root}/${file}")
    get_filename_component(subdir "${file}" DIRECTORY)
    install(FILES "${root}/${file}" DESTINATION "games/${CONTENT_FOLDER}/${subdir}")
  endforeach()
  # Made with the sanitizers off: the maker's run is part of every build and leaks nothing that
  # matters, but the X and font libraries it loads would make LeakSanitizer fail the build.
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:make_assets> ${CONTENT_ARGS} "${root}"
    DEPENDS make_assets
    COMMENT "Making the content of ${CONTENT_FOLDER}: ${CONTENT_ARGS}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# A program as a page: build/web/<folder>/index.html with its .js and .wasm, the desktop build's
# game folder preloaded at /<folder>, the program started in it (or, for a program that finds its
# files beside itself, told where it is), and the files it writes kept in the browser's storage.
# What the program writes in its folder (settings, saves) is left out: a page starts without
# the files of someone's desktop games.
function(games_web_page target folder binary writes)
  set(GAME_FOLDER "${folder}")
  set(GAME_BINARY "${binary}")
  set(GAME_NAME "${target}")
  set(pre "${CMAKE_CURRENT_BINARY_DIR}/${target}_pre.js")
  set(shell "${CMAKE_CURRENT_BINARY_DIR}/${target}_shell.html")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/web_page_start.js.in" "${pre}" @ONLY)
  configure_file("${PROJECT_SOURCE_DIR}/cmake/web_shell.html" "${shell}" @ONLY)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME index SUFFIX ".html"
    RUNTIME_OUTPUT_DIRECTORY "${GAMES_WEB_OUTPUT}/${folder}")
  # Each option with its value as one item: CMake drops repeated items from link options.
  set(options "SHELL:--pre-js ${pre}" "SHELL:--shell-file ${shell}" "SHELL:--preload-file ${GAMES_WEB_CONTENT}/${folder}@/${folder}")
  foreach(left_out IN LISTS binary writes)
    list(APPEND options "SHELL:--exclude-file ${GAMES_WEB_CONTENT}/${folder}/${left_out}")
  endforeach()
  target_link_options(${target} PRIVATE ${options})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${pre}" "${shell}")
endfunction()

# A page has no fonts of the machine's: the characters a game prints are cut out of the desktop's
# font file (the whole of a Japanese font is megabytes) and preloaded where the game looks for it.
function(games_web_page_font target font unicodes)
  find_program(PYFTSUBSET pyftsubset REQUIRED)
  get_filename_component(name "${font}" NAME)
  set(subset "${CMAKE_CURRENT_BINARY_DIR}/${target}_fonts/${name}")
  add_custom_command(OUTPUT "${subset}"
    COMMAND ${PYFTSUBSET} "${font}" "--unicodes=${unicodes}" "--output-file=${subset}"
    DEPENDS "${font}"
    COMMENT "Cutting the characters of ${target} out of ${name}"
    VERBATIM)
  add_custom_target(${target}_page_font DEPENDS "${subset}")
  add_dependencies(${target} ${target}_page_font)
  target_link_options(${target} PRIVATE "SHELL:--preload-file ${subset}@${font}")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${subset}")
endfunction()
