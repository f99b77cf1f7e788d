@ECHO OFF
REM A stand-in for the SDK's makmake: logs the call, and writes the
REM makefile or project file that "makmake NAME.mmp PLATFORM" names.
>>"%KELVAD_STUB_LOG%" ECHO makmake^|%CD%^|%*
ECHO makmake stand-in: %*
ECHO makmake stand-in: on standard error>&2
IF /I "%2"=="wins" >"%~n1.wins" ECHO all:
IF /I "%2"=="marm" >"%~n1.marm" ECHO all:
IF /I "%2"=="vc5" >"%~n1.dsp" ECHO # Developer Studio project
