# figcalc in a Linux desktop's applications menu (the component `desktop`, which the tarballs,
# run from their folder, leave out): a desktop entry in Education and Math that runs in a
# terminal the start file libexec/figcalc/start, found from the entry's own place (%k) under
# any prefix; its icon; and the AppStream metadata that software centres show. The id,
# figcalc, is no reverse domain name: figcalc has no domain of its own.
set(desktop ${gen}/desktop)
set(launcher_pause "Нажмите Enter, чтобы закрыть окно...")
set(share ${CMAKE_INSTALL_DATADIR})
set(icons ${share}/icons/hicolor/scalable/apps)
set(libexec ${CMAKE_INSTALL_LIBEXECDIR}/figcalc)
file(RELATIVE_PATH bin_from_here /${libexec} /${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH start_from_entry /${share}/applications /${libexec}/start)
string(REPLACE "'" "'\\''" hint_sh "${hint}")
foreach(file start figcalc.desktop figcalc.metainfo.xml)
  configure_file(desktop/${file}.in ${desktop}/${file} @ONLY)
endforeach()
install(PROGRAMS ${desktop}/start DESTINATION ${libexec} COMPONENT desktop)
install(FILES ${desktop}/figcalc.desktop DESTINATION ${share}/applications COMPONENT desktop)
install(FILES desktop/figcalc.svg DESTINATION ${icons} COMPONENT desktop)
install(FILES ${desktop}/figcalc.metainfo.xml DESTINATION ${share}/metainfo COMPONENT desktop)
