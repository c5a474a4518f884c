#!/usr/bin/env bash
# Builds the Debian packages and checks that they install and remove
# cleanly: dpkg -i, the installed orx-report and pkg-config files work,
# dpkg -r leaves nothing behind. Needs root; changes /usr while it runs, so it
# is a manual step, not part of ctest:  tests/package/check-debs.sh [BUILD_DIR]
set -euo pipefail
BUILD="$(cd "${1:-build}" && pwd)"
say() { printf 'check-debs: %s\n' "$*" >&2; }
[ "$(id -u)" -eq 0 ] || { say "needs root (dpkg -i)"; exit 2; }
for p in liborx1 liborx-dev orx-designer-plugin; do
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    say "$p is already installed; not touching it"; exit 2
  fi
done

(cd "$BUILD" && rm -f ./*.deb && cpack -G DEB >/dev/null)
mapfile -t debs < <(ls "$BUILD"/*.deb)
say "built: ${debs[*]##*/}"
installed=()
cleanup() { [ ${#installed[@]} -eq 0 ] || dpkg -r "${installed[@]}" >/dev/null 2>&1 || true; }
trap cleanup EXIT

dpkg -i "${debs[@]}" >/dev/null
for d in "${debs[@]}"; do installed+=("$(dpkg-deb -f "$d" Package)"); done
say "installed: ${installed[*]}"
/usr/bin/orx-report check /usr/share/orx/samples/reports/Orders.RPT >/dev/null
pkg-config --exists --print-errors orx-platform orx-host orx-reportrt orx-tools orx-viewreport
[ -f /usr/lib/cmake/ORX/ORXConfig.cmake ] || { say "no CMake package under /usr/lib/cmake/ORX"; exit 1; }
files=$(dpkg -L "${installed[@]}" | grep -E '\.(so\.1\.0\.0|pc|cmake|h)$' || true)

dpkg -r "${installed[@]}" >/dev/null
left=0
for f in $files; do [ -e "$f" ] && { say "left after dpkg -r: $f"; left=1; }; done
installed=()
[ "$left" -eq 0 ] || exit 1
say "dpkg -i and dpkg -r: ok"
