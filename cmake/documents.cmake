# What is shipped beside the program, each fact from its one source (project(), LICENSE, doc/,
# NEWS; the date SOURCE_DATE_EPOCH's, or today's); the manual pages as each build's users read.
set(gen ${CMAKE_BINARY_DIR}/generated)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE NEWS doc/hint.txt
             doc/description.txt doc/description.ru.txt desktop/figcalc.svg doc/help.ru.7)
file(READ doc/hint.txt hint)
string(STRIP "${hint}" hint)
file(READ LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" _ "${license}")
set(copyright ${CMAKE_MATCH_1}) # "2026 the figcalc developers"
set(license_text ${CMAKE_MATCH_2})
foreach(lang IN ITEMS "" _ru) # the one-line description, then the longer one
  string(REPLACE _ . file doc/description${lang}.txt)
  file(READ ${file} text)
  string(REGEX MATCH "^([^\n]+)\n\n(.*[^\n])" _ "${text}")
  set(summary${lang} "${CMAKE_MATCH_1}")
  set(description${lang} "${CMAKE_MATCH_2}")
endforeach()
string(TIMESTAMP page_date "%Y-%m-%d" UTC)
configure_file(doc/figcalc.1.in ${gen}/man/man1/figcalc.1 @ONLY)
configure_file(doc/figcalc.ru.1.in ${gen}/man/ru/man1/figcalc.1 @ONLY)
if(EMSCRIPTEN)
  return()
endif()

if(WIN32)
  enable_language(RC)
  configure_file(src/figcalc.manifest ${gen}/figcalc.manifest @ONLY)
  set(manifest ${gen}/figcalc.manifest)
  # figcalc's icon for figcalc.exe and the installer, from the one drawing (the largest as PNG).
  set(icon ${gen}/figcalc.ico)
  execute_process(COMMAND sh -c [[for s in 16 32 48 256; do rsvg-convert -w $s -h $s -o $s.png "$0"
                  done && icotool -c -o figcalc.ico 16.png 32.png 48.png -r 256.png]]
                  ${PROJECT_SOURCE_DIR}/desktop/figcalc.svg WORKING_DIRECTORY ${gen} COMMAND_ERROR_IS_FATAL ANY)
  configure_file(src/figcalc.rc.in ${gen}/figcalc.rc @ONLY)
  target_sources(figcalc PRIVATE ${gen}/figcalc.rc)
  set_source_files_properties(${gen}/figcalc.rc PROPERTIES OBJECT_DEPENDS "${manifest};${icon}")
  configure_file(LICENSE ${gen}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  # cmd reads the start file in the console's code page, 866 on a Russian Windows; its echo
  # takes the line of help as it is, but for cmd's own special characters.
  string(REGEX REPLACE "([&|<>^])" "^\\1" hint_cmd "${hint}")
  string(REPLACE "%" "%%" hint_cmd "${hint_cmd}")
  configure_file(src/figcalc.cmd ${gen}/figcalc.utf-8.cmd @ONLY NEWLINE_STYLE CRLF)
  execute_process(COMMAND iconv -f UTF-8 -t CP866 ${gen}/figcalc.utf-8.cmd
                  OUTPUT_FILE ${gen}/figcalc.cmd COMMAND_ERROR_IS_FATAL ANY)
  # README.txt: a few lines, then both pages, Russian first, as plain text in UTF-16 with
  # CR LF, which Notepad and `type` at a Russian console both show right.
  configure_file(doc/README.txt.in ${gen}/README.head @ONLY)
  execute_process(
    COMMAND sh -c [[cat "$0" && for page; do groff -kKutf-8 -t -man -Tutf8 -rHY=0 -P-cbou "$page"
                    done]] ${gen}/README.head ${gen}/man/ru/man1/figcalc.1 ${gen}/man/man1/figcalc.1
    COMMAND sed "s/$/\\r/" COMMAND iconv -f UTF-8 -t UTF-16 OUTPUT_FILE ${gen}/README.txt
    COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${gen}/README.txt ${gen}/LICENSE.txt DESTINATION .)
  install(PROGRAMS ${gen}/figcalc.cmd DESTINATION .)
  return()
endif()

# The manual pages for man in plain ASCII, groff's escapes for the rest (preconv), so that
# groff renders them whatever encoding it assumes; the Russian one for `man -L ru figcalc`.
find_program(PRECONV preconv)
foreach(dir IN ITEMS man1 ru/man1)
  if(PRECONV)
    execute_process(COMMAND ${PRECONV} -e utf-8 ${gen}/man/${dir}/figcalc.1 COMMAND sed 1d
                    COMMAND gzip -9n OUTPUT_FILE ${gen}/man/${dir}/figcalc.1.gz
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${gen}/man/${dir}/figcalc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${dir})
  else()
    message(STATUS "preconv not found (Debian: groff-base): no manual page for man in ${dir}")
  endif()
endforeach()

# The Debian package's maintainer, from the variables Debian's own tools read (a package to
# publish needs them), and its copyright file, whose license has its paragraphs indented and
# "." for each empty line.
set(maintainer "figcalc developers <figcalc@example.org>")
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
configure_file(doc/copyright.in ${gen}/copyright @ONLY)

# Debian's changelog and the AppStream releases from NEWS, whose sections are headed "figcalc
# VERSION (YYYY-MM-DD)", the newest this version's, "(unreleased)" until its day: the pages'.
execute_process(
  COMMAND awk -v version=${PROJECT_VERSION} -v today=${page_date} -v "who=${maintainer}"
              -v releases=${gen}/releases [[
  function entry(  date, command) {
    command = "date -uR -d '" day " 12:00'"; command | getline date; close(command)
    sub(/^\n+/, "", body); sub(/\n+$/, "", body)
    printf "%sfigcalc (%s) unstable; urgency=medium\n\n%s\n\n -- %s  %s\n", sep, v, body, who, date
    printf "\n    <release version=\"%s\" date=\"%s\"/>", v, day > releases
    sep = "\n"
  }
  /^figcalc [^ ]+ \(.*\)$/ {
    if (v) entry()
    else if ($2 != version) fail = "NEWS: the newest section is not version " version "'s"
    v = $2; day = $3 == "(unreleased)" ? today : substr($3, 2, 10); body = ""; next
  }
  { body = body $0 "\n" }
  END { if (fail) { print fail > "/dev/stderr"; exit 1 } else if (v) entry() }]]
          ${PROJECT_SOURCE_DIR}/NEWS
  COMMAND gzip -9n OUTPUT_FILE ${gen}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
file(READ ${gen}/releases releases)
install(FILES ${gen}/copyright ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(doc/README.linux.in ${gen}/README @ONLY)
install(FILES ${gen}/README LICENSE DESTINATION . COMPONENT download EXCLUDE_FROM_ALL)
