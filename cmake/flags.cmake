# Compiler and linker options for every target: warnings, hardening as Debian
# builds its own programs, and reproducibility.
#
# Warnings are errors only in our presets (CMAKE_COMPILE_WARNING_AS_ERROR), not
# in a build made with another compiler or a distribution's own flags.
#
# Hardened: fortified libc calls in optimised builds (unless the builder's
# flags choose a level of their own); on Linux and Windows a stack protector;
# on Linux also stack clash protection, control flow protection, a
# position-independent executable and read-only relocations bound at
# start-up; on Windows ASLR (high-entropy) and DEP, said explicitly, and the
# stack protector's runtime linked in. A WebAssembly program has none of
# these to ask for.
#
# Reproducible: the build paths are mapped to "." in the debugging
# information, and figcalc.exe has no time stamp.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.
                    -Wall -Wextra -Wpedantic)
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()

if(WIN32)
  # The sources are UTF-8; figcalc.exe writes its texts in Windows-1251, one
  # byte per character, which the Russian console locale shows as Russian
  # letters. Stripped by the linker, not afterwards: binutils' strip would
  # stamp the time into the PE header.
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1251 -fstack-protector-strong)
  add_link_options(-fstack-protector-strong LINKER:--dynamicbase,--nxcompat,--high-entropy-va
                   LINKER:--no-insert-timestamp $<$<CONFIG:Release,MinSizeRel>:LINKER:--strip-all>)
elseif(NOT EMSCRIPTEN)
  # Control flow protection: Intel CET on x86-64, branch protection on ARM.
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      $<$<STREQUAL:${CMAKE_SYSTEM_PROCESSOR},x86_64>:-fcf-protection>
                      $<$<STREQUAL:${CMAKE_SYSTEM_PROCESSOR},aarch64>:-mbranch-protection=standard>)
  add_link_options(LINKER:-z,relro,-z,now)
  if(FIGCALC_STATIC)
    add_compile_options(-fPIE)
    add_link_options(-static-pie)
  else()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
  endif()
endif()
