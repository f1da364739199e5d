# figcalc for the browser: web/ reads standard input from the page, and numbers as libstdc++
# does; figcalc.js runs figcalc.wasm under node too. The page, figcalc-<version>-web.html, is one
# file; its help, the pupil's and the Russian manual's. `download` copies it to FIGCALC_DOWNLOADS.
target_sources(figcalc PRIVATE web/web.cpp web/number_reader.cpp)
target_include_directories(figcalc PRIVATE web)
set_source_files_properties(src/main.cpp PROPERTIES COMPILE_DEFINITIONS main=figcalc_main)
# The program waits for the page's input (asyncify), each run a new instance. Only what is on
# the way from a read to the page can unwind: main, with figcalc's inlined, and its reads; the
# sentry that skips blanks, the buffer's reading calls, the iterator NumberReader reads with;
# CheckedInput's and PageInput's reads. The rest stays as it was, half the program's size.
target_link_options(figcalc PRIVATE -Oz -sASYNCIFY -sEXIT_RUNTIME=1 -sMODULARIZE=1 -sEXPORT_NAME=figcalc
  "-sASYNCIFY_ONLY=main,__original_main,(anonymous namespace)::read*,(anonymous namespace)::*Input::*flow(),\
std::__2::basic_istream<char*>::sentry::sentry*,std::__2::basic_streambuf<char*>::s*c(),\
std::__2::basic_streambuf<char*>::uflow(),std::__2::istreambuf_iterator<char*>::*,NumberReader::do_get*,\
bool std::__2::operator*=<char*>(std::__2::istreambuf_iterator*)"
  -sENVIRONMENT=web,node "SHELL:--extern-post-js '${PROJECT_SOURCE_DIR}/web/node.js'")
set_property(TARGET figcalc APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/node.js)
set_property(TARGET figcalc PROPERTY CXX_LINKER_LAUNCHER ${CMAKE_CROSSCOMPILING_EMULATOR}
             ${PROJECT_SOURCE_DIR}/web/link.js)
# The pupil's help and the manual page as HTML, their headings a level below the page's own.
find_program(MANDOC mandoc REQUIRED)
foreach(source ${PROJECT_SOURCE_DIR}/doc/help.ru.7 ${gen}/man/ru/man1/figcalc.1) # help, figcalc
  get_filename_component(name ${source} NAME_WE)
  execute_process(COMMAND ${MANDOC} -T html -O fragment ${source} OUTPUT_VARIABLE html COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE ".*(<div class=\"manual-text\">.*</div>).*" "\\1" html "${html}")
  string(REGEX REPLACE "<(/?)h2" "<\\1h3" html "${html}")
  string(REGEX REPLACE "<(/?)h1" "<\\1h2" html "${html}")
  string(REGEX REPLACE "<td><b>([^<]*)</b></td>" "<th>\\1</th>" ${name} "${html}") # header rows
endforeach()
# When figcalc is built, node makes the page of ${page}.in (web/build.js says how).
set(page ${CMAKE_BINARY_DIR}/figcalc-${PROJECT_VERSION}-web.html)
configure_file(web/page.html.in ${page}.in @ONLY)
set(parts page.css ../src/messages.h words.js model.js reader.js card.js run.js page.js)
list(TRANSFORM parts PREPEND ${PROJECT_SOURCE_DIR}/web/)
add_custom_command(OUTPUT ${page} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${PROJECT_SOURCE_DIR}/web/build.js
                   ${page} $<TARGET_FILE:figcalc> $<TARGET_FILE_DIR:figcalc>/figcalc.wasm ${parts}
                   DEPENDS figcalc ${page}.in ${PROJECT_SOURCE_DIR}/web/build.js ${parts})
add_custom_target(page ALL DEPENDS ${page})
set(FIGCALC_DOWNLOADS "" CACHE PATH "Where the target download puts the web page")
add_custom_target(download COMMAND ${CMAKE_COMMAND} -E copy ${page} ${FIGCALC_DOWNLOADS})
add_dependencies(download page)
