#!/usr/bin/env bash
# The generated batch files, run by Wine's cmd with stand-ins for the SDK's
# tools: every script runs in the order ebld.bat lists it, every tool gets
# the arguments and the working directory the scripts name, and the logs
# land where the scripts send them. Where cmd cannot do what a script says,
# the check records what happens now, with the reason, for the team to decide.
source "$(dirname "$0")/common.sh"
: "${KELVAD_STUB_TOOL:?}" "${KELVAD_STUB_DIR:?}"

work=$(work_dir batch_files)
out=$work/out.txt
err=$work/err.txt
export KELVAD_STUB_LOG='c:\stub.log'
stub_log=$DRIVE_C/stub.log
# The SDK's tools directory is on the PATH, as the SDK's set-up leaves it.
export WINEPATH='c:\epoc32\tools'

# An SDK on drive C made of stand-ins: the programs the scripts name, the
# emulator (also the marker the SDK search looks for) and the emulator's
# application directories, which building the GUI would have made.
rm -rf "$DRIVE_C/epoc32" "$DRIVE_C/Aleppo"
tools=$DRIVE_C/epoc32/tools
mkdir -p "$tools" "$DRIVE_C/Aleppo/Template"
for tool in nmake bmconv makesis aleppo; do cp "$KELVAD_STUB_TOOL" "$tools/$tool.exe"; done
cp "$KELVAD_STUB_DIR"/*.bat "$tools/"
for build in deb rel; do mkdir -p "$DRIVE_C/epoc32/release/wins/$build/z/system/apps/ProjectX"; done
cp "$KELVAD_STUB_TOOL" "$DRIVE_C/epoc32/release/wins/deb/epoc.exe"
: >"$DRIVE_C/Aleppo/Template/EPOCHELP.DOT"

# The stub log with the working directory in lower case (cmd keeps the case
# on disk, "c:\ProjectX\AIF", while the scripts write "aif").
calls() {
  awk -F'|' '{ sub(/\r$/, ""); sub(/[ \t]+$/, ""); printf "%s|%s|%s\n", $1, tolower($2), $3 }' "$stub_log" 2>/dev/null
}

# cmd /c LINE in DIR, as the build starts ebld.bat; the interpreter's own
# messages go to FILE. Its exit status is that of the script's last command,
# which says nothing here.
run_cmd() {  # DIR LINE FILE
  (cd "$1" && win cmd /c "$2") >"$3" 2>&1 || true
}

expect_calls() {  # WHAT, then the expected calls on standard input
  local expected
  expected=$(cat)
  if [ "$(calls)" != "$expected" ]; then
    fail "$1: the tools were called as"
    diff <(echo "$expected") <(calls) >&2 || true
  fi
}

# --- ebld.bat of the default project, started as the build starts it

rm -rf "$DRIVE_C/ProjectX" "$stub_log"
kelvad_exe --no-launch
expect_status 0 "generate ProjectX"
expect_in "$out" 'Found EPOC ER5 SDK on C:\'
run_cmd "$DRIVE_C/ProjectX" 'c:\ProjectX\ebld.bat > ebld.log' "$work/cmd.txt"

# Each makefile is run in its sub-project directory; the makefiles' own
# commands follow (nmake runs them), then the scripts in the order ebld.bat
# lists them: GenMBM, GenAIF, CopyAIF (no tool), HelpGen, HelpCopy (no
# tool), GenSIS; the emulator last, in the directory GenSIS left.
expect_calls "ebld.bat" <<'CALLS'
nmake|c:\projectx\engine|-f c:\ProjectX\engine\makefile
makmake|c:\projectx\engine|/MAKEWORK engine wins
makmake|c:\projectx\engine|/MAKEWORK engine marm
makmake|c:\projectx\engine|engine.mmp wins
makmake|c:\projectx\engine|engine.mmp marm
makmake|c:\projectx\engine|engine.mmp vc5
nmake|c:\projectx\engine|-f engine.wins
nmake|c:\projectx\engine|-f engine.marm
nmake|c:\projectx\gui|-f c:\ProjectX\gui\makefile
makmake|c:\projectx\gui|/MAKEWORK gui wins
makmake|c:\projectx\gui|/MAKEWORK gui marm
makmake|c:\projectx\gui|gui.mmp wins
makmake|c:\projectx\gui|gui.mmp marm
makmake|c:\projectx\gui|gui.mmp vc5
nmake|c:\projectx\gui|-f gui.wins
nmake|c:\projectx\gui|-f gui.marm
bmconv|c:\projectx\aif|ProjectX.lst
aiftool|c:\projectx\aif|ProjectX ProjectX.mbm
aleppo|c:\projectx\help|-epoc32 -compress ProjectX.alp
makesis|c:\projectx\distrib|-v "ProjectX (MARM Release).pkg"
epoc|c:\projectx\distrib|
CALLS

project=$DRIVE_C/ProjectX
# ebld.bat's own output goes to ebld.log beside it; every guarded call's
# output, standard error included, to the log beside its makefile or script.
for line in 'Searching for makfile: c:\ProjectX\engine\makefile' 'Searching for makfile: c:\ProjectX\gui\makefile' \
  'Searching for script: c:\ProjectX\aif\GenMBM' 'Searching for script: c:\ProjectX\distrib\GenSIS' 'epoc stand-in:'; do
  expect_in "$project/ebld.log" "$line"
done
expect_not_in "$project/ebld.log" 'on standard error'
for log in Engine/makefile.log GUI/makefile.log; do
  expect_in "$project/$log" 'nmake stand-in: -f c:\ProjectX\'
  expect_in "$project/$log" 'nmake stand-in: on standard error'
  expect_in "$project/$log" 'makmake stand-in: on standard error'
done
expect_in "$project/AIF/GenMBM.log" 'bmconv stand-in: on standard error'
expect_in "$project/AIF/GenAIF.log" 'aiftool stand-in: on standard error'
expect_in "$project/Help/HelpGen.log" 'aleppo stand-in: on standard error'
expect_in "$project/distrib/GenSIS.log" 'makesis stand-in: on standard error'
for log in AIF/CopyAIF.log Help/HelpCopy.log; do [ -f "$project/$log" ] || fail "no $log"; done
[ "$(find "$project" -name '*.log' | wc -l)" = 9 ] || fail "logs elsewhere: $(find "$project" -name '*.log')"

# CopyAIF.bat copies what aiftool made into the emulator's application directory.
[ -f "$DRIVE_C/epoc32/release/wins/deb/z/system/apps/ProjectX/ProjectX.aif" ] || fail "CopyAIF.bat copied nothing"

# DEFECT, recorded as it stands: HelpCopy.bat copies nothing. Its source,
# "COPY Help\Database\ProjectX.hlp ...", is relative to the project
# directory, but ebld.bat calls it right after HelpGen.bat, whose
# "CHDIR /D c:\ProjectX\help" is still in force; cmd looks for
# c:\ProjectX\help\Help\Database\ProjectX.hlp and reports the path missing,
# although the help compiler's file is there.
[ -f "$project/Help/Database/ProjectX.hlp" ] || fail "the help compiler stand-in wrote no help file"
expect_in "$project/Help/HelpCopy.log" 'Path not found.'
for build in deb rel; do
  if [ -e "$DRIVE_C/epoc32/release/wins/$build/z/system/apps/ProjectX/ProjectX.hlp" ]; then
    fail "HelpCopy.bat copied the help file into $build: the recorded defect is gone, update this check"
  fi
done
# Run from the project directory, where its source path points, it works.
run_cmd "$project" 'c:\ProjectX\help\HelpCopy.bat' "$work/helpcopy.txt"
for build in deb rel; do
  [ -f "$DRIVE_C/epoc32/release/wins/$build/z/system/apps/ProjectX/ProjectX.hlp" ] ||
    fail "HelpCopy.bat run in the project directory did not copy into $build"
done

# GenRSS.bat is not one of ebld.bat's scripts; run in the GUI directory it
# calls the resource compiler there and logs beside it.
rm -f "$stub_log"
run_cmd "$project/GUI" 'c:\ProjectX\GUI\GenRSS.bat' "$work/genrss.txt"
expect_calls "GenRSS.bat" <<'CALLS'
eikrs|c:\projectx\gui|ProjectX SC
CALLS
expect_in "$project/GUI/eikrs.log" 'eikrs stand-in: ProjectX SC'

# --- the build itself starts ebld.bat: minimized, not waited for, in the
# project directory with its output in ebld.log there

rm -rf "$DRIVE_C/Started" "$stub_log"
kelvad_exe --set name=Started
expect_status 0 "generate Started"
expect_in "$out" 'Kelvad has launched ebld.bat'
for _ in $(seq 1 600); do
  grep -q '^epoc|' "$stub_log" 2>/dev/null && break
  sleep 0.2
done
calls | grep -q '^epoc|c:\\started\\distrib|$' || fail "the started ebld.bat did not reach the emulator: $(calls)"
calls | grep -q '^makesis|c:\\started\\distrib|-v "Started (MARM Release).pkg"$' || fail "the started ebld.bat skipped GenSIS"
expect_in "$DRIVE_C/Started/ebld.log" 'Searching for script: c:\Started\distrib\GenSIS'

# --- names the scripts cannot carry

# DEFECT, recorded as it stands: a project name with a blank. The paths are
# written unquoted, so cmd splits them at the blank. Started as the build
# starts it, "c:\My App\ebld.bat > ebld.log" is not even found; run with
# its path quoted, every "IF EXIST c:\My App\..." tests "c:\My", which does
# not exist, and skips its step without a word. Only the two CHDIR lines
# work (CHDIR takes the rest of its line as the path) and the emulator,
# whose path holds no project name, is started in the last of them.
rm -rf "$DRIVE_C/My App" "$stub_log"
kelvad_exe --no-launch --set 'name=My App'
expect_status 0 "generate My App"
run_cmd "$DRIVE_C/My App" 'c:\My App\ebld.bat > ebld.log' "$work/blank1.txt"
[ -s "$DRIVE_C/My App/ebld.log" ] && fail "ebld.bat of \"My App\" ran when started unquoted: the recorded defect is gone"
printf '"c:\\My App\\ebld.bat" > ebld.log\r\n' >"$DRIVE_C/My App/quoted.bat"
run_cmd "$DRIVE_C/My App" quoted.bat "$work/blank2.txt"
expect_calls "ebld.bat of a name with a blank" <<'CALLS'
epoc|c:\my app\gui|
CALLS

# DEFECT, recorded as it stands: a name with a Windows-1252 letter outside
# ASCII. The scripts hold the ANSI byte (e9 for "é"), but cmd reads batch
# files in the console's OEM code page, where e9 is another letter ("Θ" in
# code page 437, "Ú" in 850): "c:\Café\..." becomes a directory that does
# not exist and every guarded step is skipped.
rm -rf "$DRIVE_C/Café" "$stub_log"
kelvad_exe --no-launch --set 'name=Café'
expect_status 0 "generate Café"
grep -q $'c:\\\\Caf\xe9\\\\engine\\\\makefile' "$DRIVE_C/Café/ebld.bat" || fail "ebld.bat of Café does not hold the ANSI byte"
run_cmd "$DRIVE_C/Café" 'c:\Café\ebld.bat > ebld.log' "$work/ansi.txt"
expect_calls "ebld.bat of a name outside ASCII" <<'CALLS'
epoc|c:\café|
CALLS

wineserver -w
finish
