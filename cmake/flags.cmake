# Warnings, which are errors only in our presets (CMAKE_COMPILE_WARNING_AS_ERROR), never where a
# distribution builds with its own compiler and flags; hardening as Debian hardens its own
# programs; reproducibility: the build paths mapped to "." in the debugging information.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.
                    -Wall -Wextra -Wpedantic)
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE") # unless the builder chose a level
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()

if(WIN32)
  # figcalc.exe writes its texts in Windows-1251, one byte per character, which a Russian
  # console shows as Russian letters. Self-contained: the C++ and GCC runtimes linked in. ASLR
  # and DEP are the linker's defaults; no time stamp; stripped by the linker, since binutils'
  # strip would stamp the time into the PE header.
  add_compile_options(-fexec-charset=CP1251 -fstack-protector-strong)
  add_link_options(-static -fstack-protector-strong LINKER:--no-insert-timestamp
                   $<$<CONFIG:Release,MinSizeRel>:LINKER:--strip-all>)
elseif(NOT EMSCRIPTEN) # WebAssembly has none of these to ask for
  # Control flow protection: Intel CET on x86-64, branch protection on ARM. A PIE, as Debian's
  # compilers make by default; a static one with FIGCALC_STATIC.
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      $<$<STREQUAL:${CMAKE_SYSTEM_PROCESSOR},x86_64>:-fcf-protection>
                      $<$<STREQUAL:${CMAKE_SYSTEM_PROCESSOR},aarch64>:-mbranch-protection=standard>)
  add_link_options(LINKER:-z,relro,-z,now $<$<BOOL:${FIGCALC_STATIC}>:-static-pie>)
endif()
