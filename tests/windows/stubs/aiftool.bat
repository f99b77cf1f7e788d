@ECHO OFF
REM A stand-in for the SDK's aiftool: logs the call and writes NAME.aif.
>>"%KELVAD_STUB_LOG%" ECHO aiftool^|%CD%^|%*
ECHO aiftool stand-in: %*
ECHO aiftool stand-in: on standard error>&2
>"%1.aif" ECHO AIF
