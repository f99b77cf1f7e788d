#!/usr/bin/env bash
# kelvad generate on drives that fill up or cannot be written: the messages
# carry the system's reason, a refusal writes nothing, and a report that
# cannot be saved leaves the old one whole. The small file systems are tmpfs
# mounts in a mount namespace of our own (unshare -rm); where none can be
# made, the check is skipped with the reason (exit status 77).
set -u
kelvad=${KELVAD:?the kelvad binary}

if ! why=$(unshare -rm true 2>&1); then
  echo "skipped: no mount namespace can be made here (unshare -rm: $why)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export kelvad work
unshare -rm bash -eu -c '
  failures=0
  fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
  run() {  # EXPECTED-STATUS, then the arguments after "generate"
    local expected=$1 status=0
    shift
    env -u KELVAD_DRIVES HOME="$work" "$kelvad" generate --sdk-release 5 --no-launch "$@" \
      >"$work/out" 2>"$work/err" </dev/null || status=$?
    [ "$status" = "$expected" ] || fail "exit status $status, not $expected, for: $*"
  }
  says() { grep -qF -- "$1" "$work/err" || fail "stderr does not say \"$1\": $(cat "$work/err")"; }

  mkdir -p "$work/small" "$work/readonly" "$work/full" "$work/c" "$work/data"
  mount -t tmpfs -o size=64k tmpfs "$work/small"
  mount -t tmpfs -o ro tmpfs "$work/readonly"
  mount -t tmpfs -o size=4k tmpfs "$work/full"

  # The disk fills up half-way: the build is abandoned with the reason.
  run 1 --drive "c=$work/small" --data-dir "$work/data" --set name=Filled
  says "No space left on device"
  [ -d "$work/small/Filled" ] || fail "the partial tree of the full disk is gone"

  # A drive that cannot be written is refused before anything is written.
  run 2 --drive "c=$work/readonly" --data-dir "$work/data" --set name=Refused
  says "Read-only file system"

  # The report cannot be saved on a full data directory: the build stands,
  # the warning says why, the old report stays whole.
  printf "old report" >"$work/full/kelvad.rtf"
  head -c 8192 /dev/zero >"$work/full/filler" 2>/dev/null || true
  run 0 --drive "c=$work/c" --data-dir "$work/full" --set name=Unreported
  says "the report was not saved"
  says "No space left on device"
  [ "$(cat "$work/full/kelvad.rtf")" = "old report" ] || fail "the old report changed"
  left=$(ls "$work/full" | grep -v "^filler$\|^kelvad.rtf$\|^kelvad.lock$" || true)
  [ -z "$left" ] || fail "the full data directory holds leftovers: $left"
  exit $((failures > 0))
'
