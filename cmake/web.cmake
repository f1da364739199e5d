# figcalc for the browser, from the same sources: web/ reads standard input from the page, and
# numbers as libstdc++ does. figcalc.js, its WebAssembly inside, also runs under node (the
# tests' runner). The page, figcalc-<version>-web.html, is one file with figcalc.js inside and
# the Russian manual page as its help; the target `download` copies it to FIGCALC_DOWNLOADS.
target_sources(figcalc PRIVATE web/web.cpp web/number_reader.cpp)
target_include_directories(figcalc PRIVATE web)
set_source_files_properties(src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=figcalc_main)
# ASYNCIFY lets the program wait for the page, and each run is a new instance; a page opened
# from disk cannot fetch the WebAssembly, so it is inside.
target_link_options(figcalc PRIVATE -sASYNCIFY -sEXIT_RUNTIME=1 -sMODULARIZE=1 -sEXPORT_NAME=figcalc
  -sSINGLE_FILE=1 -sENVIRONMENT=web,node "SHELL:--extern-post-js ${PROJECT_SOURCE_DIR}/web/node.js")
set_property(TARGET figcalc APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/node.js)

# The manual page's text, its headings a level below the page's own.
find_program(MANDOC mandoc REQUIRED)
execute_process(COMMAND ${MANDOC} -T html -O fragment ${gen}/man/ru/man1/figcalc.1
                OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE ".*(<div class=\"manual-text\">.*</div>).*" "\\1" help "${help}")
string(REGEX REPLACE "<(/?)h2" "<\\1h3" help "${help}")
string(REGEX REPLACE "<(/?)h1" "<\\1h2" help "${help}")
file(READ web/page.css page_css)
file(READ web/page.js page_js)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS web/page.css web/page.js)
set(js @js@) # left for web/page.cmake, with the policy
set(policy @policy@)
set(page ${CMAKE_BINARY_DIR}/figcalc-${PROJECT_VERSION}-web.html)
configure_file(web/page.html.in ${page}.in @ONLY)
add_custom_command(OUTPUT ${page}
  COMMAND ${CMAKE_COMMAND} -D NODE=${CMAKE_CROSSCOMPILING_EMULATOR} -D JS=$<TARGET_FILE:figcalc>
          -D WEB=${PROJECT_SOURCE_DIR}/web -D PAGE=${page} -P ${PROJECT_SOURCE_DIR}/web/page.cmake
  DEPENDS figcalc ${page}.in web/page.cmake)
add_custom_target(page ALL DEPENDS ${page})
set(FIGCALC_DOWNLOADS "" CACHE PATH "Where the target download puts the web page")
add_custom_target(download COMMAND ${CMAKE_COMMAND} -E copy ${page} ${FIGCALC_DOWNLOADS})
add_dependencies(download page)
