# Run when installing (cmake/desktop.cmake sets entry, entry_name, launcher
# and applications): writes the desktop entry with the start file's absolute
# path in Exec, quoted and escaped as the entry's Exec wants it where the path
# has a blank or a reserved character, and installs it, so that DESTDIR
# applies and the install manifest lists it.
cmake_policy(VERSION 3.25)
set(exec "${CMAKE_INSTALL_PREFIX}/${launcher}")
if(exec MATCHES "[^-A-Za-z0-9/._+]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
file(READ "${entry}" text)
string(REPLACE "@exec@" "${exec}" text "${text}")
get_filename_component(written "${entry}" DIRECTORY)
file(REMOVE "${written}/${entry_name}") # perhaps root's, from a `sudo make install`
file(WRITE "${written}/${entry_name}" "${text}")
file(INSTALL "${written}/${entry_name}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${applications}"
     PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
