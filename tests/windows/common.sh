# Shared by the checks that run the Windows build under Wine. ctest gives
# them WINEPREFIX, KELVAD_WINE, KELVAD_EXE and KELVAD_WORK_DIR.
set -euo pipefail

: "${WINEPREFIX:?}" "${KELVAD_WINE:?}" "${KELVAD_EXE:?}" "${KELVAD_WORK_DIR:?}"
export WINEPREFIX
DRIVE_C=$WINEPREFIX/drive_c
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Runs a Windows program.
win() {
  "$KELVAD_WINE" "$@"
}

# kelvad.exe generate ARGS: stdout to $out, stderr to $err, status in $status.
kelvad_exe() {
  status=0
  win "$KELVAD_EXE" generate "$@" >"$out" 2>"$err" </dev/null || status=$?
  # The console streams are text streams on Windows.
  sed -i 's/\r$//' "$out" "$err"
}

# A fresh directory for one check.
work_dir() {
  local dir=$KELVAD_WORK_DIR/$1
  rm -rf "$dir"
  mkdir -p "$dir"
  echo "$dir"
}

# The directory behind drive LETTER of the prefix (k, r or s, made by
# wine_prefix.sh), emptied.
drive_dir() {
  local dir=$KELVAD_WORK_DIR/drive_$1
  [ -L "$WINEPREFIX/dosdevices/$1:" ] || { echo "no drive $1: in $WINEPREFIX" >&2; exit 1; }
  find "$dir" -mindepth 1 -delete
  echo "$dir"
}

expect_status() {
  [ "$status" = "$1" ] || fail "$2: exit status $status, not $1; stderr: $(cat "$err")"
}

expect_in() {  # FILE TEXT
  grep -qF -- "$2" "$1" 2>/dev/null || fail "$1 does not hold \"$2\""
}

expect_not_in() {  # FILE TEXT
  if grep -qF -- "$2" "$1" 2>/dev/null; then fail "$1 holds \"$2\""; fi
}

finish() {
  if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
