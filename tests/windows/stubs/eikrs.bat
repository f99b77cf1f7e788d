@ECHO OFF
REM A stand-in for the SDK's resource compiler script: logs the call.
>>"%KELVAD_STUB_LOG%" ECHO eikrs^|%CD%^|%*
ECHO eikrs stand-in: %*
ECHO eikrs stand-in: on standard error>&2
