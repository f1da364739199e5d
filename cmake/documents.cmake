# What is shipped beside the program, made from one source each: the version
# comes from project(), the year and the license from LICENSE, the dates from
# SOURCE_DATE_EPOCH (the last commit's, in a release) or else from today.
#
# On Windows: figcalc.exe's version resource and manifest; README.txt in
# UTF-16 with a byte order mark and CR LF, so that Notepad and `type` at a
# Russian console both show it right; LICENSE.txt with CR LF; the start file
# figcalc.cmd with CR LF, in the console's code page (866 on a Russian
# Windows), in which cmd reads it. Elsewhere: the tarball's README and LICENSE
# at its top; the manual pages, English and Russian, turned from UTF-8 into
# plain ASCII (groff escapes) by preconv so that groff renders them whatever
# encoding it assumes; the license and the changelog in Debian's formats.
# Everything compressed is compressed without a time stamp.
set(gen ${CMAKE_BINARY_DIR}/generated)

# The line of help that the start files show before figcalc starts.
file(READ doc/hint.txt hint)
string(STRIP "${hint}" hint)

file(READ LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) (([0-9]+) [^\n]*)\n\n(.*)" license "${license}")
set(copyright ${CMAKE_MATCH_1}) # "2026 the figcalc developers"
set(year ${CMAKE_MATCH_2})
string(STRIP "${CMAKE_MATCH_3}" license_text)

# The package's maintainer, from the variables Debian's own tools read; a
# package to publish needs them.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer "figcalc developers <figcalc@example.org>")
endif()

if(WIN32)
  enable_language(RC)
  configure_file(src/figcalc.manifest ${gen}/figcalc.manifest @ONLY)
  set(manifest ${gen}/figcalc.manifest)
  configure_file(src/figcalc.rc.in ${gen}/figcalc.rc @ONLY)
  target_sources(figcalc PRIVATE ${gen}/figcalc.rc)
  set_source_files_properties(${gen}/figcalc.rc PROPERTIES OBJECT_DEPENDS ${manifest})

  configure_file(LICENSE ${gen}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  # cmd's echo takes the line as it is, but for its own special characters.
  string(REGEX REPLACE "([&|<>^])" "^\\1" hint_cmd "${hint}")
  string(REPLACE "%" "%%" hint_cmd "${hint_cmd}")
  configure_file(src/figcalc.cmd ${gen}/figcalc.utf-8.cmd @ONLY NEWLINE_STYLE CRLF)
  add_custom_command(OUTPUT ${gen}/figcalc.cmd
                     COMMAND iconv -f UTF-8 -t CP866 -o ${gen}/figcalc.cmd ${gen}/figcalc.utf-8.cmd
                     DEPENDS ${gen}/figcalc.utf-8.cmd)
  configure_file(doc/README.txt.in ${gen}/README.utf-8.txt @ONLY NEWLINE_STYLE CRLF)
  add_custom_command(OUTPUT ${gen}/README.txt
                     COMMAND iconv -f UTF-8 -t UTF-16 -o ${gen}/README.txt ${gen}/README.utf-8.txt
                     DEPENDS ${gen}/README.utf-8.txt)
  add_custom_target(windows-texts ALL DEPENDS ${gen}/README.txt ${gen}/figcalc.cmd)
  install(FILES ${gen}/README.txt ${gen}/LICENSE.txt DESTINATION .)
  install(PROGRAMS ${gen}/figcalc.cmd DESTINATION .)
  return()
endif()

string(TIMESTAMP page_date "%B %Y" UTC)
string(TIMESTAMP month "%m" UTC)
math(EXPR month "${month} - 1")
set(months_ru январь февраль март апрель май июнь июль август сентябрь октябрь ноябрь декабрь)
list(GET months_ru ${month} page_date_ru)
string(TIMESTAMP page_year "%Y" UTC)
string(APPEND page_date_ru " ${page_year}")

set(gzipped)
find_program(PRECONV preconv)
if(PRECONV)
  # Each page's source and its folder; the Russian one is for `man -L ru figcalc`.
  set(sources figcalc.1 figcalc.ru.1)
  set(dirs man1 ru/man1)
  foreach(page IN ZIP_LISTS sources dirs)
    configure_file(doc/${page_0}.in ${gen}/${page_0} @ONLY)
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
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(doc/changelog.in ${gen}/changelog @ONLY)
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
