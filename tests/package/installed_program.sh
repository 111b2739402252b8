#!/usr/bin/env bash
# The road from package to running program: the .deb passes lintian, installs for real,
# its program starts from /usr/bin and shows its main screen, and a purge leaves nothing
# of it under /usr. Installing needs root, and it runs only where nothing can be lost: in
# CI or in a chroot, never on a machine whose own copy of the program a purge would remove.
build_dir=${2:?build directory}
[[ $(id -u) -eq 0 ]] || { echo "skipped: installing a package needs root"; exit 77; }
[[ ${CI:-} == true ]] || ischroot ||
    { echo "skipped: installs and purges the package only in CI or in a chroot"; exit 77; }
source "$(dirname "$0")/../system/lib.sh"
needs dpkg-shlibdeps lintian
package=nuvra-karmic-debt-number

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work_dir/deb" >"$work_dir/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 20 "$work_dir/cpack.log")"
deb=$(ls "$work_dir"/deb/*.deb)

lintian --pedantic --suppress-tags binary-has-unneeded-section "$deb" >"$work_dir/lintian.log" 2>&1 || true
if grep -E '^(E|W): ' "$work_dir/lintian.log"; then
    fail "lintian reports errors or warnings"
fi

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
    >"$work_dir/install.log" 2>&1 || fail "the package did not install: $(tail -n 20 "$work_dir/install.log")"
files=$(dpkg -L "$package" | grep '^/usr/' || true)
trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "$package" >/dev/null 2>&1 || true; cleanup' EXIT

start_display
PROGRAM=/usr/bin/NuvraKarmicDebtNumber start_program installed
main=$(wait_for_screen frmMain) || fail "the installed program showed no main screen ($(program_log installed))"
wait_until 5 frame_centred "$main" || fail "the installed program's main screen is not centred"
man -w NuvraKarmicDebtNumber >/dev/null 2>&1 || [[ -f /usr/share/man/man1/NuvraKarmicDebtNumber.1.gz ]] ||
    fail "no manual page"
kill_program installed

DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "$package" >"$work_dir/purge.log" 2>&1 ||
    fail "the package did not purge: $(tail -n 20 "$work_dir/purge.log")"
while read -r file; do
    [[ -z $file || -d $file ]] && continue
    [[ ! -e $file ]] || fail "$file is left after the purge"
done <<<"$files"
echo "installed program: all checks passed"
