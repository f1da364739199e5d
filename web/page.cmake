# Makes the web page PAGE from the template TEMPLATE with the program JS inside
# it, the line of help HINT (a file) under its heading, the manual page HELP
# (mandoc's HTML) as its help, and the version VERSION and the license LICENSE
# (a file) in its notice:
#   cmake -D TEMPLATE=... -D JS=... -D HINT=... -D HELP=... -D VERSION=... -D LICENSE=...
#         -D PAGE=... -P page.cmake
# Its Content-Security-Policy allows its own inline scripts and style (bare
# <script> and <style> tags), named by their SHA-256, and its WebAssembly;
# nothing else.
cmake_minimum_required(VERSION 3.25)
file(READ ${JS} js)
file(READ ${LICENSE} license)
file(READ ${HINT} hint)
string(STRIP "${hint}" hint)
string(REPLACE "&" "&amp;" hint "${hint}")
string(REPLACE "<" "&lt;" hint "${hint}")
# Of the manual page, its text without the heading and footing lines, its
# sections' headings one level below the page's own.
file(READ ${HELP} help)
string(REGEX REPLACE ".*(<div class=\"manual-text\">.*</div>).*" "\\1" help "${help}")
foreach(level 2 1)
  math(EXPR below "${level} + 1")
  string(REPLACE "<h${level} " "<h${below} " help "${help}")
  string(REPLACE "</h${level}>" "</h${below}>" help "${help}")
endforeach()
string(FIND "${js}" "</script" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "${JS} holds \"</script\", which would end the page's script")
endif()
set(PROJECT_VERSION ${VERSION})
set(policy "@policy@")
file(READ ${TEMPLATE} template)
string(CONFIGURE "${template}" page @ONLY)

# A SHA-256 given in hexadecimal, in base64 (32 bytes: 43 digits and "=").
function(sha256_base64 hex out)
  set(digits ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/)
  set(result "")
  foreach(at RANGE 0 60 6)
    string(SUBSTRING "${hex}00" ${at} 6 group)
    math(EXPR group "0x${group}")
    foreach(shift 18 12 6 0)
      math(EXPR digit "(${group} >> ${shift}) & 63")
      string(SUBSTRING ${digits} ${digit} 1 digit)
      string(APPEND result ${digit})
    endforeach()
  endforeach()
  string(SUBSTRING ${result} 0 43 result)
  set(${out} "${result}=" PARENT_SCOPE)
endfunction()

# Each script and style in the order of the page: the next opening tag, and
# what stands up to its closing tag.
set(script "")
set(style "")
set(rest "${page}")
while(rest MATCHES "<(script|style)>")
  set(tag ${CMAKE_MATCH_1})
  string(FIND "${rest}" "<${tag}>" at)
  string(LENGTH "<${tag}>" length)
  math(EXPR at "${at} + ${length}")
  string(SUBSTRING "${rest}" ${at} -1 rest)
  string(FIND "${rest}" "</${tag}>" length)
  string(SUBSTRING "${rest}" 0 ${length} body)
  string(SUBSTRING "${rest}" ${length} -1 rest)
  string(SHA256 hash "${body}")
  sha256_base64(${hash} hash)
  string(APPEND ${tag} " 'sha256-${hash}'")
endwhile()
set(policy "default-src 'none'; script-src${script} 'wasm-unsafe-eval'; style-src${style};\
 img-src data:; base-uri 'none'; form-action 'none'")

# The policy, in the page's head (the first @policy@: the program's text is
# not searched).
string(FIND "${page}" "@policy@" at)
string(SUBSTRING "${page}" 0 ${at} head)
math(EXPR at "${at} + 8")
string(SUBSTRING "${page}" ${at} -1 page)
file(WRITE ${PAGE} "${head}${policy}${page}")
