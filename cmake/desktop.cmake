# figcalc in a Linux desktop's applications menu (the component `desktop`, which the tarballs,
# run from their folder, leave out): a desktop entry in Education and Math that runs in a
# terminal the start file libexec/figcalc/start, found from the entry's own place (%k) under
# any prefix; its icon; and the AppStream metadata that software centres show. The id,
# figcalc, is no reverse domain name: figcalc has no domain of its own.
set(desktop ${gen}/desktop)
set(launcher_pause "Нажмите Enter, чтобы закрыть окно...")
file(RELATIVE_PATH bin_from_here /${CMAKE_INSTALL_LIBEXECDIR}/figcalc /${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH start_from_entry /${CMAKE_INSTALL_DATADIR}/applications /${CMAKE_INSTALL_LIBEXECDIR}/figcalc/start)
string(REPLACE "'" "'\\''" hint_sh "${hint}")
foreach(file start figcalc.desktop figcalc.metainfo.xml)
  configure_file(desktop/${file}.in ${desktop}/${file} @ONLY)
endforeach()
install(PROGRAMS ${desktop}/start DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/figcalc COMPONENT desktop)
install(FILES ${desktop}/figcalc.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
install(FILES desktop/figcalc.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT desktop)
install(FILES ${desktop}/figcalc.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)
