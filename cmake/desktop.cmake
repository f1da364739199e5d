# figcalc in a Linux desktop's applications menu, installed by `make install`
# and the Debian package (the component `desktop`; the tarballs, run from
# their folder, leave it out): a desktop entry in the categories Education
# and Math that runs the start file libexec/figcalc/start in a terminal, its
# icon, and the AppStream metadata that software centres show. The start file
# shows the line of help, runs the figcalc installed beside it, found from
# its own place, and keeps the result on the screen until Enter is pressed.
# The entry's Exec names the start file by its absolute path, and the prefix
# is chosen when installing (make install PREFIX=..., CPack), so
# cmake/desktop-entry.cmake writes the entry then.
#
# The component id names the desktop entry, the metadata and the icon. It is
# no reverse domain name: figcalc has no domain of its own to name it by.
set(desktop_id figcalc)
set(desktop ${gen}/desktop)
set(summary_ru "Консольный калькулятор чисел, площади и периметра фигур")
set(description_ru
    "figcalc делает за один запуск одно вычисление, выбранное в дереве меню
диалога на русском языке: квадрат, квадратный корень, синус, косинус, тангенс
или котангенс одного числа (с точными значениями для известных углов), сумму,
разность, произведение, частное или степень двух чисел либо площадь и периметр
треугольника, круга, прямоугольника или квадрата.")
set(launcher_pause "Нажмите Enter, чтобы закрыть окно...")

# The package's summary, capitalised as a software centre shows it.
string(SUBSTRING "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}" 0 1 first)
string(SUBSTRING "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}" 1 -1 rest)
string(TOUPPER "${first}" first)
set(summary "${first}${rest}")

file(RELATIVE_PATH bin_from_here /${CMAKE_INSTALL_LIBEXECDIR}/figcalc /${CMAKE_INSTALL_BINDIR})
string(REPLACE "'" "'\\''" hint_sh "${hint}")
configure_file(desktop/start.sh.in ${desktop}/start @ONLY)
install(PROGRAMS ${desktop}/start DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/figcalc COMPONENT desktop)

install(FILES desktop/figcalc.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${desktop_id}.svg COMPONENT desktop)

configure_file(desktop/figcalc.metainfo.xml.in ${desktop}/${desktop_id}.metainfo.xml @ONLY)
install(FILES ${desktop}/${desktop_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT desktop)

set(exec @exec@) # left for cmake/desktop-entry.cmake
configure_file(desktop/figcalc.desktop.in ${desktop}/entry.in @ONLY)
install(CODE "set(entry [[${desktop}/entry.in]])
  set(entry_name ${desktop_id}.desktop)
  set(launcher [[${CMAKE_INSTALL_LIBEXECDIR}/figcalc/start]])
  set(applications [[${CMAKE_INSTALL_DATADIR}/applications]])" COMPONENT desktop)
install(SCRIPT cmake/desktop-entry.cmake COMPONENT desktop)
