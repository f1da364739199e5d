# Run when installing (cmake/desktop.cmake sets entry, entry_name, launcher
# and applications): writes the desktop entry with the start file's absolute
# path in Exec, quoted and escaped as the entry's Exec wants it where the path
# has a blank or a reserved character, straight into its place (under
# DESTDIR), writing nothing in the build folder, and lists it in the install
# manifest.
cmake_policy(VERSION 3.25)
set(exec "${CMAKE_INSTALL_PREFIX}/${launcher}")
if(exec MATCHES "[^-A-Za-z0-9/._+]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
file(READ "${entry}" text)
string(REPLACE "@exec@" "${exec}" text "${text}")
set(installed "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${applications}/${entry_name}")
message(STATUS "Installing: ${installed}")
file(WRITE "${installed}" "${text}")
file(CHMOD "${installed}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${installed}")
