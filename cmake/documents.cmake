# What is shipped beside the program, each made from one source: the version from project(),
# the copyright and license from LICENSE, the descriptions from doc/description*.txt, the line
# of help from doc/hint.txt, the release history from NEWS, the dates from SOURCE_DATE_EPOCH
# (the last commit's, in a release) or today. The manual pages are the one description of the
# program's behaviour, shipped in the form each build's users read.
set(gen ${CMAKE_BINARY_DIR}/generated)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE NEWS doc/hint.txt
                                                               doc/description.txt doc/description.ru.txt)
file(READ doc/hint.txt hint)
string(STRIP "${hint}" hint)
file(READ LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" _ "${license}")
set(copyright ${CMAKE_MATCH_1}) # "2026 the figcalc developers"
set(license_text ${CMAKE_MATCH_2})
macro(describe suffix file) # the one-line description, then the longer one
  file(READ doc/${file} text)
  string(REGEX MATCH "^([^\n]+)\n\n(.*[^\n])" _ "${text}")
  set(summary${suffix} "${CMAKE_MATCH_1}")
  set(description${suffix} "${CMAKE_MATCH_2}")
endmacro()
describe("" description.txt)
describe(_ru description.ru.txt)
string(TIMESTAMP page_date "%Y-%m-%d" UTC)
configure_file(doc/figcalc.1.in ${gen}/figcalc.1 @ONLY)
configure_file(doc/figcalc.ru.1.in ${gen}/figcalc.ru.1 @ONLY)
if(EMSCRIPTEN)
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
  # cmd reads the start file in the console's code page, 866 on a Russian Windows; its echo
  # takes the line of help as it is, but for cmd's own special characters.
  string(REGEX REPLACE "([&|<>^])" "^\\1" hint_cmd "${hint}")
  string(REPLACE "%" "%%" hint_cmd "${hint_cmd}")
  configure_file(src/figcalc.cmd ${gen}/figcalc.utf-8.cmd @ONLY NEWLINE_STYLE CRLF)
  execute_process(COMMAND iconv -f UTF-8 -t CP866 ${gen}/figcalc.utf-8.cmd
                  OUTPUT_FILE ${gen}/figcalc.cmd COMMAND_ERROR_IS_FATAL ANY)
  # README.txt: a few lines, then both pages, Russian first, as plain text in UTF-16 with
  # CR LF, which Notepad and `type` at a Russian console both show right.
  find_program(GROFF groff REQUIRED)
  file(READ doc/README.txt.in head)
  string(CONFIGURE "${head}" head @ONLY)
  foreach(page figcalc.ru.1 figcalc.1)
    execute_process(COMMAND ${GROFF} -kKutf-8 -t -man -Tutf8 -rHY=0 -P-cbou ${gen}/${page}
                    OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND head "${text}")
  endforeach()
  file(WRITE ${gen}/README.utf-8.txt "${head}")
  execute_process(COMMAND sed "s/$/\\r/" ${gen}/README.utf-8.txt COMMAND iconv -f UTF-8 -t UTF-16
                  OUTPUT_FILE ${gen}/README.txt COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${gen}/README.txt ${gen}/LICENSE.txt DESTINATION .)
  install(PROGRAMS ${gen}/figcalc.cmd DESTINATION .)
  return()
endif()

# The manual pages in plain ASCII, groff's escapes for the rest (preconv), so that groff
# renders them whatever encoding it assumes; the Russian one for `man -L ru figcalc`.
find_program(PRECONV preconv)
if(NOT PRECONV)
  message(STATUS "preconv not found (Debian: groff-base): the manual pages are not built")
endif()
set(pages figcalc.1 figcalc.ru.1)
set(dirs man1 ru/man1)
foreach(page dir IN ZIP_LISTS pages dirs)
  if(PRECONV)
    file(MAKE_DIRECTORY ${gen}/man/${dir})
    execute_process(COMMAND ${PRECONV} -e utf-8 ${gen}/${page} COMMAND sed 1d COMMAND gzip -9n
                    OUTPUT_FILE ${gen}/man/${dir}/figcalc.1.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${gen}/man/${dir}/figcalc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${dir})
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

# Debian's changelog and the AppStream releases (cmake/desktop.cmake) from NEWS, whose
# sections are headed "figcalc VERSION (YYYY-MM-DD)", the newest this version's, dated
# "(unreleased)" until its day: the build's.
string(TIMESTAMP today "%Y-%m-%d" UTC)
execute_process(
  COMMAND awk -v version=${PROJECT_VERSION} -v today=${today} -v "who=${maintainer}" -v releases=${gen}/releases [[
    function entry(  date, command) {
      day = day == "unreleased" ? today : day
      command = "date -uR -d '" day " 12:00'"
      command | getline date
      close(command)
      sub(/^\n+/, "", body); sub(/\n+$/, "", body)
      printf "%sfigcalc (%s) unstable; urgency=medium\n\n%s\n\n -- %s  %s\n", sep, v, body, who, date
      printf "\n    <release version=\"%s\" date=\"%s\"/>", v, day > releases
      sep = "\n"
    }
    /^figcalc [^ ]+ \(.*\)$/ {
      if (v) entry()
      else if ($2 != version) { print "NEWS: the newest section is not version " version "'s" > "/dev/stderr"; exit 1 }
      v = $2; day = substr($3, 2, length($3) - 2); body = ""; next
    }
    { body = body $0 "\n" }
    END { if (v) entry() }]] ${PROJECT_SOURCE_DIR}/NEWS
  COMMAND gzip -9n OUTPUT_FILE ${gen}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
file(READ ${gen}/releases releases)
install(FILES ${gen}/copyright ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(doc/README.linux.in ${gen}/README @ONLY)
install(FILES ${gen}/README LICENSE DESTINATION . COMPONENT download EXCLUDE_FROM_ALL)
