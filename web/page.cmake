# Makes the web page PAGE from the template TEMPLATE with the program JS inside
# it, and the version VERSION and the license LICENSE (a file) in its notice:
#   cmake -D TEMPLATE=... -D JS=... -D VERSION=... -D LICENSE=... -D PAGE=... -P page.cmake
file(READ ${JS} js)
file(READ ${LICENSE} license)
string(FIND "${js}" "</script" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "${JS} holds \"</script\", which would end the page's script")
endif()
set(PROJECT_VERSION ${VERSION})
configure_file(${TEMPLATE} ${PAGE} @ONLY)
