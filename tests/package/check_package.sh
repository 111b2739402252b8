#!/usr/bin/env bash
# Builds the Debian package from this build tree and checks what it holds: the program,
# a valid desktop entry, the icon theme entries, valid AppStream metainfo, and dependencies
# computed from the linked libraries.
set -euo pipefail
source "$(dirname "$0")/../support/needs.sh"
needs dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli file
build_dir=${1:?build directory}
app_id=${2:?application id}
version=${3:?version}
read -ra icon_sizes <<<"${4:?icon sizes}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/*.deb)

[[ $(dpkg-deb -f "$deb" Package) == nuvra-karmic-debt-number ]] || fail "package name"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
# The packages that hold the libraries the program links, whatever a release names them
# (Debian 13's libqt6core6t64, say).
program=$(find "$build_dir/app" -maxdepth 1 -type f -name NuvraKarmicDebtNumber)
for library in libQt6Widgets libQt6Gui libQt6Core libc.so; do
    path=$(ldd "$program" | awk -v lib="$library" 'index($1, lib) == 1 {print $3}')
    # dpkg knows a file by the path its package ships, with or without the merged /usr.
    package=$(dpkg -S "$path" 2>/dev/null || dpkg -S "/usr${path#/usr}" 2>/dev/null ||
        dpkg -S "${path#/usr}")
    package=${package%%:*}
    [[ $depends == *"$package ("* ]] || fail "Depends lacks $package (for $library): $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
    ./usr/bin/NuvraKarmicDebtNumber
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in "${icon_sizes[@]}"; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    grep -qx -- "$file" <<<"$files" || fail "the package lacks $file"
done
if grep -E '/(tst_|store_tool|screenshots|render_icon)' <<<"$files"; then
    fail "the package holds test or build tools"
fi

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop"
grep -qx "Exec=NuvraKarmicDebtNumber" "$work/root/usr/share/applications/$app_id.desktop" ||
    fail "the menu entry does not start the program"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml"
for size in "${icon_sizes[@]}"; do
    file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
        grep -q "PNG image data, $size x $size" || fail "the ${size}px icon is not ${size}x${size}"
done
# Every dependency can be met from the configured archives (a simulation; nothing is
# installed).
if [[ $(id -u) -eq 0 ]]; then
    apt-get install --simulate -qq "$deb" >"$work/simulate.log" 2>&1 ||
        { cat "$work/simulate.log"; fail "apt-get could not install the package"; }
fi
echo "package: all checks passed"
