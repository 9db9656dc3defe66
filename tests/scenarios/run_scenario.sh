#!/usr/bin/env bash
# Runs one xpsim script against the built plug-in in a fresh copy of the fixture
# X-Plane folder and compares what it printed with the script's .expected file,
# decimal numbers within a small tolerance (compare_output.py says why) so that
# the same scenario passes in every build type.
# UPDATE_EXPECTED=1 rewrites the .expected file instead.
#   run_scenario.sh XPSIM PLUGIN SCRIPT FIXTURE_ROOT WORK_DIR
set -euo pipefail
xpsim="$1"
plugin="$2"
script="$3"
fixture="$4"
work="$5"
expected="${script%.xps}.expected"

rm -rf "$work"
mkdir -p "$work"
cp -r "$fixture" "$work/root"
mkdir -p "$work/root/Resources/plugins/Ovilux/lin_x64"
cp "$plugin" "$work/root/Resources/plugins/Ovilux/lin_x64/Ovilux.xpl"

status=0
# Under LeakSanitizer the report of the suppressed OpenGL leaks would join the
# script's output.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"
root=$(cd "$work/root" && pwd -P)
scripts=$(dirname "$script")
# Log lines name files by absolute path; the expected output names the root ROOT.
# A failing line is named by the script's path: the expected output names the
# script alone, wherever the sources are.
(cd "$work/root" && "$xpsim" --root . "$script") >"$work/raw.txt" 2>&1 || status=$?
sed -e "s#$root#ROOT#g" -e "s#$scripts/##g" "$work/raw.txt" >"$work/actual.txt"
echo "exit $status" >>"$work/actual.txt"

if [ "${UPDATE_EXPECTED:-0}" = "1" ]; then
  cp "$work/actual.txt" "$expected"
  exit 0
fi
if ! /usr/bin/python3 "$(dirname "$0")/compare_output.py" "$expected" "$work/actual.txt"; then
  echo "scenario $(basename "$script") differs from its expected output (above)"
  exit 1
fi
