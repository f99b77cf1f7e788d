#!/usr/bin/env bash
# kelvad.exe under Wine writes, byte for byte, the project tree and the
# report that the Linux build writes for the same settings.
source "$(dirname "$0")/common.sh"
: "${KELVAD_HOST_BINARY:?the Linux build of kelvad, to compare with}"

work=$(work_dir same_bytes)
out=$work/out.txt
err=$work/err.txt

# Drive S: for kelvad.exe is a drive of the prefix; the Linux build maps
# a directory of its own. Each holds the help template, so that the help
# document is written too.
windows_s=$(drive_dir s)
linux_s=$work/linux/s
for root in "$windows_s" "$linux_s"; do
  mkdir -p "$root/Aleppo/Template"
  : >"$root/Aleppo/Template/EPOCHELP.DOT"
done
mkdir -p "$work/windows/data" "$work/linux/data"

# A description that reaches the command, menu, toolbar and hotkey code.
cat >"$work/project.json" <<'JSON'
{
  "settings": {"name": "Mañana", "app_name": "Día a día", "toolbar": true, "messaging": true},
  "commands": [
    {"name": "EMananaCmdPlan", "text": "Plan the «day»", "hotkey": "^p"},
    {"name": "EMananaCmdRest", "text": "Rest"}
  ],
  "menus": [
    {"title": "File", "items": [
      {"command": "EEikCmdFileNew"},
      {"title": "More", "items": [{"command": "EEikCmdFileImport", "text": "Import text..."}]},
      {"command": "EEikCmdExit"}
    ]},
    {"title": "Mañana", "items": [{"command": "EMananaCmdPlan"}, {"command": "EMananaCmdRest", "hotkey": "^R"}]}
  ],
  "toolbar": [{"command": "EMananaCmdPlan", "text": "Plan"}, {"command": "EEikCmdFileNew"}],
  "hotkeys": [{"command": "EEikCmdFileSave", "hotkey": "s"}]
}
JSON

echo '{}' >"$work/empty.json"

compare() {  # WHAT DESCRIPTION, then the settings both builds get
  local what=$1 description=$2
  shift 2
  kelvad_exe --no-launch --data-dir "$(winepath -w "$work/windows/data")" --project "$(winepath -w "$description")" \
    --set drive=s: "$@"
  expect_status 0 "kelvad.exe, $what"
  mv "$out" "$work/windows/out.txt"
  status=0
  "$KELVAD_HOST_BINARY" generate --no-launch --data-dir "$work/linux/data" --project "$description" \
    --drive "s=$linux_s" --set drive=s: "$@" >"$work/linux/out.txt" 2>"$err" </dev/null || status=$?
  expect_status 0 "Linux build, $what"
  diff -r "$windows_s" "$linux_s" >&2 || fail "$what: the project trees differ"
  cmp "$work/windows/data/kelvad.rtf" "$work/linux/data/kelvad.rtf" >&2 || fail "$what: the reports differ"
  # The last line names the project's host directory, which differs by design.
  diff <(grep -v '^The project is in ' "$work/windows/out.txt") <(grep -v '^The project is in ' "$work/linux/out.txt") >&2 ||
    fail "$what: the progress printed differs"
}

compare description "$work/project.json" --sdk-release 5
[ -f "$linux_s/Mañana/Help/Documents/Mañana.rtf" ] || fail "the comparison missed the help document"
compare earlier-sdk "$work/empty.json" --sdk-release 3 --set name=Zwei --set engine=0 --set sis=0 --set help=0 \
  --set vc_version=4 --set marm_build=0 --set aif_embeddable=0 --set text_ui_count=3
compare no-sdk "$work/empty.json" --sdk-release 0 --set 'name=Trois Mots' --set makefiles=0 --set toolbar=0 \
  --set menu=0

finish
