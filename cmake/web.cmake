# figcalc for the browser, built with emscripten from the same sources: the web
# parts (web/) read standard input from the page and numbers as libstdc++
# does, and figcalc's main is renamed for their entry function. figcalc.js
# holds the program (its WebAssembly inside) and also runs under node, as
# `node figcalc.js` on standard input and output: the tests' runner. The page,
# figcalc-<version>-web.html, is one file with figcalc.js inside; the target
# `download` copies it to FIGCALC_DOWNLOADS (make dist).
target_sources(figcalc PRIVATE web/web.cpp web/number_reader.cpp)
target_include_directories(figcalc PRIVATE web)
set_source_files_properties(src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=figcalc_main)
# ASYNCIFY lets the program wait for the page; EXIT_RUNTIME runs the exit
# handlers; each run is a new instance of the module (MODULARIZE); the
# WebAssembly is inside the file, which a page opened from disk cannot fetch.
target_link_options(figcalc PRIVATE -sASYNCIFY -sEXIT_RUNTIME=1 -sMODULARIZE=1
  -sEXPORT_NAME=figcalc -sSINGLE_FILE=1 -sENVIRONMENT=web,node
  "SHELL:--extern-post-js ${PROJECT_SOURCE_DIR}/web/node.js")
set_property(TARGET figcalc APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/node.js)

set(page ${CMAKE_BINARY_DIR}/figcalc-${PROJECT_VERSION}-web.html)
add_custom_command(
  OUTPUT ${page}
  COMMAND ${CMAKE_COMMAND} -D TEMPLATE=${PROJECT_SOURCE_DIR}/web/page.html.in
          -D JS=$<TARGET_FILE:figcalc> -D HINT=${PROJECT_SOURCE_DIR}/doc/hint.txt
          -D HELP=${gen}/help.html -D VERSION=${PROJECT_VERSION}
          -D LICENSE=${PROJECT_SOURCE_DIR}/LICENSE -D PAGE=${page} -P ${PROJECT_SOURCE_DIR}/web/page.cmake
  DEPENDS figcalc web/page.html.in web/page.cmake doc/hint.txt ${gen}/help.html LICENSE
  COMMENT "Generating the web page")
add_custom_target(page ALL DEPENDS ${page})
set(FIGCALC_DOWNLOADS "" CACHE PATH "Where the target download puts the web page")
add_custom_target(download COMMAND ${CMAKE_COMMAND} -E copy ${page} ${FIGCALC_DOWNLOADS} DEPENDS page)
