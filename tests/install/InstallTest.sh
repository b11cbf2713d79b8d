#!/usr/bin/env bash
# Installs the build into a temporary prefix and updates contacts of a
# stand-in Notes installation with the installed programs alone; then makes
# the Debian package and checks what it declares.
#   InstallTest.sh BUILD_DIR SOURCE_DIR [WITH_WINDOWS]
set -euo pipefail
build="$1"
source="$2"
windows="${3:-1}" # 0: a build without the wizard's windows
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
progdir="$prefix/libexec/zembrik"
installed=(bin/vxln-batch bin/notesdb libexec/zembrik/Zembrik.LNAddrHost
           libexec/zembrik/libZembrik.LNAccess.so)
[ "$windows" = 1 ] && installed+=(libexec/zembrik/VXLN share/applications/vxln.desktop)
for f in "${installed[@]}"; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
# The installed programs find the library and each other in the prefix
# alone: the wizard's side starts the helper beside its own file.
libs="$(ldd "$progdir"/Zembrik.LN*Host)"
grep -q "not found" <<<"$libs" && fail "an installed helper misses a library"
grep -q "libZembrik.LNAccess.so => $progdir/" <<<"$libs" || fail "a helper uses another library: $libs"
eval "$("$source/tools/demo-install" "$work/demo" "$progdir")"
export ZEMBRIK_SHELL_OPEN=true
names="$work/demo/notes/Data/names.nsf"
out="$("$prefix/bin/vxln-batch" contacts --no-password --contacts-db "$names" \
        --where "Last Name=Ivanova" --set "Job Title=Installed" </dev/null 2>&1)" ||
  fail "vxln-batch failed: $out"
grep -q "Result: Records updating successfully." <<<"$out" || fail "no success: $out"
dump="$("$prefix/bin/notesdb" --notes "$work/demo/notes/" dump "$names")"
grep -q "JobTitle: Installed" <<<"$dump" || fail "the installed helper changed nothing"
# One version throughout: the program, the desktop entry and the package.
version="$("$prefix/bin/vxln-batch" --version | sed -n 's/^vxln-batch //p')"
[ -n "$version" ] || fail "vxln-batch --version names no version"
if [ "$windows" = 1 ]; then
  grep -qx "X-AppVersion=$version" "$prefix/share/applications/vxln.desktop" ||
    fail "the desktop entry carries another version than $version"
fi

if [ "${ZEMBRIK_TEST_PACKAGE:-1}" = 1 ] && command -v dpkg-deb >/dev/null; then
  (cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null) || fail "cpack"
  deb="$(ls "$work"/*.deb)"
  grep -q "Depends:.*libsqlite3-0" <<<"$(dpkg-deb -I "$deb")" || fail "the package declares no dependencies"
  grep -q "Depends:.*libcsv3" <<<"$(dpkg-deb -I "$deb")" || fail "the package does not depend on the CSV reader"
  grep -q "./usr/libexec/zembrik/Zembrik.LNAddrHost" <<<"$(dpkg-deb -c "$deb")" || fail "the package misses a helper"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
fi
