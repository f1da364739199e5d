# figcalc for the browser, from the same sources: web/ reads standard input from the page, and
# numbers as libstdc++ does. figcalc.js runs figcalc.wasm under node (the tests' runner). The
# page, figcalc-<version>-web.html, is one file with figcalc.js and the program inside, and the
# Russian manual page as its help; the target `download` copies it to FIGCALC_DOWNLOADS.
target_sources(figcalc PRIVATE web/web.cpp web/number_reader.cpp)
target_include_directories(figcalc PRIVATE web)
set_source_files_properties(src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=figcalc_main)
# The program waits for the page's input (asyncify), each run a new instance. Only what is on
# the way from a read to the page can unwind: main, with figcalc's inlined, and its reads; the
# sentry that skips blanks, the buffer's reading calls, the iterator NumberReader reads with;
# CheckedInput's and PageInput's reads. The rest stays as it was, half the program's size.
set(reads main __original_main "(anonymous namespace)::read*" "(anonymous namespace)::*Input::*flow()"
  "std::__2::basic_istream<char*>::sentry::sentry*" "std::__2::basic_streambuf<char*>::s*c()"
  "std::__2::basic_streambuf<char*>::uflow()" "std::__2::istreambuf_iterator<char*>::*"
  "bool std::__2::operator*=<char*>(std::__2::istreambuf_iterator*)" "NumberReader::do_get*")
list(JOIN reads , reads)
target_link_options(figcalc PRIVATE -Oz -sASYNCIFY "-sASYNCIFY_ONLY=${reads}" -sEXIT_RUNTIME=1
  -sMODULARIZE=1 -sEXPORT_NAME=figcalc -sENVIRONMENT=web,node "SHELL:--extern-post-js ${PROJECT_SOURCE_DIR}/web/node.js")
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
set(js @js@) # left for web/page.cmake, with the policy and the program
set(policy @policy@)
set(program @program@)
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
