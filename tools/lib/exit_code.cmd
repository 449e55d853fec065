@echo off
rem Runs the command line it is given and tells its whole exit code, which a Unix
rem shell sees only the low 8 bits of. cmd waits for a GUI program in a batch file.
setlocal
%*
set status=%errorlevel%
>&2 echo wine-run: exit code %status%
exit /b %status%
