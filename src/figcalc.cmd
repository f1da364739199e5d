@echo off
rem Shows the line of help and starts figcalc.exe in this window, then waits
rem for a key, so that the result stays on the screen when figcalc is started
rem by a double-click. From a command prompt or a script, run figcalc.exe
rem itself. A figure's result ends without a line break: the wait's message
rem starts a line.
setlocal
echo @hint_cmd@
echo.
"%~dp0figcalc.exe"
set status=%errorlevel%
echo.
pause
exit /b %status%
