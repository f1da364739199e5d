@echo off
rem Starts figcalc.exe in this window, then waits for a key, so that the
rem result stays on the screen when figcalc is started by a double-click.
rem From a command prompt or a script, run figcalc.exe itself. A figure's
rem result ends without a line break: the wait's message starts a line.
setlocal
"%~dp0figcalc.exe"
set status=%errorlevel%
echo.
pause
exit /b %status%
