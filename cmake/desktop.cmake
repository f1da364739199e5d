# figcalc in a desktop's applications menu (component `desktop`, not in the tarballs): an entry
# running in a terminal the start file beside the figcalc on the PATH, whatever the prefix (GLib
# leaves %k empty); its icon; AppStream metadata. The id is no reverse domain: figcalc has none.
set(desktop ${gen}/desktop)
set(launcher_pause "Нажмите Enter, чтобы закрыть окно...")
set(share ${CMAKE_INSTALL_DATADIR})
set(libexec ${CMAKE_INSTALL_LIBEXECDIR}/figcalc)
file(RELATIVE_PATH bin_from_here /${libexec} /${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH start_from_bin /${CMAKE_INSTALL_BINDIR} /${libexec}/start)
string(REPLACE "'" "'\\''" hint_sh "${hint}")
foreach(file start figcalc.metainfo.xml)
  configure_file(desktop/${file}.in ${desktop}/${file} @ONLY)
endforeach()
install(PROGRAMS ${desktop}/start DESTINATION ${libexec} COMPONENT desktop)
# The entries: figcalc at a terminal; the page, where it is shipped, in the default browser.
function(menu_entry file name name_ru run target terminal)
  configure_file(desktop/figcalc.desktop.in ${desktop}/${file} @ONLY)
  install(FILES ${desktop}/${file} DESTINATION ${share}/applications COMPONENT desktop)
endfunction()
menu_entry(figcalc.desktop figcalc figcalc "exec " ${start_from_bin} true)
if(FIGCALC_WEB)
  file(RELATIVE_PATH page_from_bin /${CMAKE_INSTALL_BINDIR} /${share}/figcalc/figcalc.html)
  menu_entry(figcalc-web.desktop "${page_name}" "${page_name_ru}" "exec xdg-open " ${page_from_bin} false)
  install(FILES ${page} DESTINATION ${share}/figcalc RENAME figcalc.html COMPONENT desktop)
  install(FILES desktop/figcalc.lintian-overrides DESTINATION ${share}/lintian/overrides RENAME figcalc
          COMPONENT desktop)
endif()
install(FILES desktop/figcalc.svg DESTINATION ${share}/icons/hicolor/scalable/apps COMPONENT desktop)
install(FILES ${desktop}/figcalc.metainfo.xml DESTINATION ${share}/metainfo COMPONENT desktop)
