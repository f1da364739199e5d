# What is shipped beside the program, made from one source each: the version
# comes from project(), the year and the license from LICENSE, the release
# history from NEWS, the dates from SOURCE_DATE_EPOCH (the last commit's, in
# a release) or else from today.
#
# The manual pages, doc/figcalc.1.in (English) and doc/figcalc.ru.1.in
# (Russian), are the one description of the program, and every build ships
# them in the form its users read: the Russian one as the web page's help,
# rendered into HTML by mandoc; both at the end of the Windows zip's
# README.txt, rendered as plain text by groff, Russian first; elsewhere both
# installed as manual pages, turned from UTF-8 into plain ASCII (groff
# escapes) by preconv so that groff renders them whatever encoding it
# assumes.
#
# On Windows also: figcalc.exe's version resource and manifest; README.txt in
# UTF-16 with a byte order mark and CR LF, so that Notepad and `type` at a
# Russian console both show it right; LICENSE.txt and the start file
# figcalc.cmd with CR LF, the start file in the console's code page.
# Elsewhere: the tarball's README and LICENSE at its top; the license and the
# changelog in Debian's formats. Everything compressed is compressed without a
# time stamp.
set(gen ${CMAKE_BINARY_DIR}/generated)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE NEWS)

# The line of help that the start files and the web page show.
file(READ doc/hint.txt hint)
string(STRIP "${hint}" hint)

file(READ LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*)" license "${license}")
set(copyright ${CMAKE_MATCH_1}) # "2026 the figcalc developers"
string(STRIP "${CMAKE_MATCH_2}" license_text)

string(TIMESTAMP page_date "%B %Y" UTC)
string(TIMESTAMP month "%m" UTC)
math(EXPR month "${month} - 1")
set(months_ru январь февраль март апрель май июнь июль август сентябрь октябрь ноябрь декабрь)
list(GET months_ru ${month} page_date_ru)
string(TIMESTAMP page_year "%Y" UTC)
string(APPEND page_date_ru " ${page_year}")
configure_file(doc/figcalc.1.in ${gen}/figcalc.1 @ONLY)
configure_file(doc/figcalc.ru.1.in ${gen}/figcalc.ru.1 @ONLY)

if(EMSCRIPTEN)
  find_program(MANDOC mandoc REQUIRED)
  add_custom_command(
    OUTPUT ${gen}/help.html
    COMMAND sh -c [["$0" -T html -O fragment "$1" > "$2"]] ${MANDOC} ${gen}/figcalc.ru.1 ${gen}/help.html
    DEPENDS ${gen}/figcalc.ru.1
    COMMENT "Generating the web page's help from the Russian manual page"
    VERBATIM)
  return()
endif()

if(WIN32)
  enable_language(RC)
  configure_file(src/figcalc.manifest ${gen}/figcalc.manifest @ONLY)
  set(manifest ${gen}/figcalc.manifest)
  configure_file(src/figcalc.rc.in ${gen}/figcalc.rc @ONLY)
  target_sources(figcalc PRIVATE ${gen}/figcalc.rc)
  set_source_files_properties(${gen}/figcalc.rc PROPERTIES OBJECT_DEPENDS ${manifest})

  configure_file(LICENSE ${gen}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  # The start file is in the console's code page (866 on a Russian Windows),
  # in which cmd reads it; its echo takes the line of help as it is, but for
  # cmd's own special characters.
  string(REGEX REPLACE "([&|<>^])" "^\\1" hint_cmd "${hint}")
  string(REPLACE "%" "%%" hint_cmd "${hint_cmd}")
  configure_file(src/figcalc.cmd ${gen}/figcalc.utf-8.cmd @ONLY NEWLINE_STYLE CRLF)
  add_custom_command(OUTPUT ${gen}/figcalc.cmd
                     COMMAND iconv -f UTF-8 -t CP866 -o ${gen}/figcalc.cmd ${gen}/figcalc.utf-8.cmd
                     DEPENDS ${gen}/figcalc.utf-8.cmd)
  configure_file(doc/README.txt.in ${gen}/README.head.txt @ONLY)
  find_program(GROFF groff REQUIRED)
  add_custom_command(
    OUTPUT ${gen}/README.txt
    COMMAND sh -c [[{ cat "$1"; for page in "$2" "$3"; do "$0" -kKutf-8 -t -man -Tutf8 -rHY=0 -P-cbou "$page"; done; } | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16 > "$4"]]
            ${GROFF} ${gen}/README.head.txt ${gen}/figcalc.ru.1 ${gen}/figcalc.1 ${gen}/README.txt
    DEPENDS ${gen}/README.head.txt ${gen}/figcalc.ru.1 ${gen}/figcalc.1
    COMMENT "Generating README.txt with both manual pages"
    VERBATIM)
  add_custom_target(windows-texts ALL DEPENDS ${gen}/README.txt ${gen}/figcalc.cmd)
  install(FILES ${gen}/README.txt ${gen}/LICENSE.txt DESTINATION .)
  install(PROGRAMS ${gen}/figcalc.cmd DESTINATION .)
  return()
endif()

set(gzipped)
find_program(PRECONV preconv)
if(PRECONV)
  # Each page and its folder; the Russian one is for `man -L ru figcalc`.
  set(pages figcalc.1 figcalc.ru.1)
  set(dirs man1 ru/man1)
  foreach(page IN ZIP_LISTS pages dirs)
    set(out ${gen}/man/${page_1}/figcalc.1.gz)
    file(MAKE_DIRECTORY ${gen}/man/${page_1})
    add_custom_command(
      OUTPUT ${out}
      COMMAND sh -c [["$0" -e utf-8 < "$1" | sed 1d | gzip -9n > "$2"]] ${PRECONV} ${gen}/${page_0}
              ${out}
      DEPENDS ${gen}/${page_0}
      COMMENT "Generating the manual page ${page_1}/figcalc.1.gz"
      VERBATIM)
    install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/${page_1})
    list(APPEND gzipped ${out})
  endforeach()
else()
  message(STATUS "preconv not found (Debian: groff-base): the manual pages are not built")
endif()

# Debian's machine-readable copyright file wants the license's paragraphs
# indented, with "." for each empty line.
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
configure_file(doc/copyright.in ${gen}/copyright @ONLY)

# The package's maintainer, from the variables Debian's own tools read; a
# package to publish needs them.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer "figcalc developers <figcalc@example.org>")
endif()

# Debian's changelog, and the AppStream metadata's releases (cmake/desktop.cmake):
# an entry for each section of NEWS, whose heading is
# "figcalc VERSION (DAY)", DAY a date (YYYY-MM-DD, at noon UTC) or
# "unreleased" (the build's date). Its newest section must be this version's.
set(changelog "")
set(releases "")
file(STRINGS NEWS news)
foreach(line IN LISTS news ITEMS "figcalc end (unreleased)")
  if(NOT line MATCHES "^figcalc ([^ ]+) \\((.*)\\)$")
    string(APPEND body "${line}\n")
    continue()
  endif()
  set(heading ${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
  if(DEFINED version)
    string(REGEX REPLACE "^\n+|\n+$" "" body "${body}")
    string(APPEND changelog "${PROJECT_NAME} (${version}) unstable; urgency=medium\n\n${body}\n\n"
                            " -- ${maintainer}  ${date}\n\n")
    string(APPEND releases "\n    <release version=\"${version}\" date=\"${day}\"/>")
  elseif(NOT heading MATCHES "^${PROJECT_VERSION};")
    message(FATAL_ERROR "NEWS: the newest section is not version ${PROJECT_VERSION}'s")
  endif()
  list(GET heading 0 version)
  set(body "")
  set(saved "$ENV{SOURCE_DATE_EPOCH}")
  if(heading MATCHES ";([0-9]+)-([0-9]+)-([0-9]+)$")
    # Days since 1970-01-01, counted in years that begin in March.
    set(y ${CMAKE_MATCH_1})
    math(EXPR m "${CMAKE_MATCH_2} + 0")
    if(m LESS 3)
      math(EXPR y "${y} - 1")
      math(EXPR m "${m} + 12")
    endif()
    math(EXPR days "365 * ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + (153 * (${m} - 3) + 2) / 5 \
                    + ${CMAKE_MATCH_3} - 719469")
    math(EXPR noon "${days} * 86400 + 43200")
    set(ENV{SOURCE_DATE_EPOCH} ${noon})
  endif()
  string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
  string(TIMESTAMP day "%Y-%m-%d" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${saved}")
endforeach()
string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
file(WRITE ${gen}/changelog.new "${changelog}")
configure_file(${gen}/changelog.new ${gen}/changelog COPYONLY)
add_custom_command(
  OUTPUT ${gen}/changelog.gz
  COMMAND sh -c [[gzip -9n < "$0" > "$1"]] ${gen}/changelog ${gen}/changelog.gz
  DEPENDS ${gen}/changelog
  COMMENT "Generating changelog.gz"
  VERBATIM)
list(APPEND gzipped ${gen}/changelog.gz)
add_custom_target(docs ALL DEPENDS ${gzipped})
install(FILES ${gen}/copyright ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(doc/README.linux.in ${gen}/README @ONLY)
install(FILES ${gen}/README LICENSE DESTINATION . COMPONENT download EXCLUDE_FROM_ALL)
