#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a user see:
# the layout, the desktop entry and metainfo against their validators, and a first start
# of the installed programs with a fresh home that writes nothing into the prefix.
# Usage: install_layout.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
id=local.qrt506.Programmer
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/qrt506 bin/qrt506-cli bin/qrt506-sim \
         share/qrt506/holvard.def share/qrt506/dhcpqec.def share/qrt506/DefRadioSet.def \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png \
         share/man/man1/qrt506.1 share/man/man1/qrt506-cli.1 share/man/man1/qrt506-sim.1; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
grep -q '^Exec=qrt506 %f$' "$prefix/share/applications/$id.desktop" || fail "Exec line"
grep -q '^MimeType=application/x-qrt506-data;$' "$prefix/share/applications/$id.desktop" || fail "MimeType line"
grep -q 'value="KW5182"' "$prefix/share/mime/packages/$id.xml" || fail "mime magic"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate not installed: skipped"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "appstreamcli validate"
else
    echo "appstreamcli not installed: skipped"
fi

version=$(grep -m1 -o 'project(qrt506 VERSION [0-9.]*' "$(dirname "$0")/../../CMakeLists.txt" | awk '{print $3}')
for p in qrt506 qrt506-cli qrt506-sim; do
    out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/$p" --version)
    [ "$out" = "$p $version" ] || fail "$p --version said '$out'"
done

# A first start of the installed program with a fresh home: the per-user folder gets the
# shipped files, the prefix stays as installed (read-only, as for a user who does not own it).
chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
home=$work/home
mkdir -p "$home"
HOME=$home XDG_DATA_HOME= "$prefix/bin/qrt506-cli" dump "$prefix/share/qrt506/DefRadioSet.def" >/dev/null
for f in holvard.def dhcpqec.def DefRadioSet.def; do
    [ -f "$home/.local/share/qrt506/$f" ] || fail "first start did not copy $f"
done
[ -w "$home/.local/share/qrt506/holvard.def" ] || fail "the copied settings file is not writable"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the prefix changed"
echo "install layout: ok"
