#!/usr/bin/env bash
# Installs the Debian packages Velmora needs that this machine lacks, and nothing else.
#   tools/install-deps.sh run      what building and starting the window needs
#   tools/install-deps.sh package  that, plus what building the Debian package needs
#   tools/install-deps.sh windows  what cross-building Velmora.exe needs
#   tools/install-deps.sh test     all of it, plus what building and running every test needs
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (the text boxes' context menus) in Bulgarian.
run_packages=(cmake g++ make pkgconf qt6-base-dev libxcb1-dev libfontconfig-dev fonts-liberation
              qt6-translations-l10n)
package_packages=(dpkg-dev file)
windows_packages=(cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix)
# libgl1-mesa-dri: Mesa's GL drivers, which every desktop has, and which Qt could load.
test_packages=(libgl1-mesa-dri libgtest-dev googletest libbenchmark-dev libx11-dev libxdamage-dev xvfb xauth xdotool x11-utils
               imagemagick desktop-file-utils appstream lintian wine64 icoutils weston qt6-wayland
               dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 orca openbox x11-xserver-utils
               devscripts diffoscope-minimal gcovr python3-pefile gnupg)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  package) wanted=("${run_packages[@]}" "${package_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${package_packages[@]}" "${windows_packages[@]}"
                "${test_packages[@]}") ;;
  *) echo "usage: $0 run|package|windows|test" >&2; exit 2 ;;
esac

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
install() {
  echo "Installing missing packages: $*"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "$@"
}
# A mirror in the middle of a sync can fail one index (the i386 one, say) while the others
# are fresh: apt then still installs from those.
update_lists() {
  "${sudo[@]}" apt-get update -q ||
    echo "apt-get update failed for some package lists (above); going on with those it has."
}

missing=()
for package in "${wanted[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  update_lists
  install "${missing[@]}"
fi
[ "$1" = test ] || exit 0

# The 32-bit Velmora.exe runs under Wine's 32-bit loader, from Debian's i386 architecture.
# Where that cannot be had, the reason is said in one line and kept for the 32-bit tests,
# which then say it as they skip (tools/wine.sh); the rest of the set-up goes on.
not_run=$(dirname "$0")/../build/wine32-missing.txt
rm -f "$not_run"
can_execute_32_bit() {
  local probe status
  probe=$(mktemp -d)
  printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$probe/exit.s"
  as --32 "$probe/exit.s" -o "$probe/exit.o" && ld -m elf_i386 "$probe/exit.o" -o "$probe/exit" &&
    "$probe/exit" 2>/dev/null
  status=$?
  rm -rf "$probe"
  return "$status"
}
no_wine32() {
  mkdir -p "$(dirname "$not_run")"
  echo "$1" | tee "$not_run"
}
installed wine32:i386 && exit 0
if ! can_execute_32_bit; then
  no_wine32 "No 32-bit Wine: this machine cannot execute 32-bit programs, so the 32-bit Velmora.exe is built and checked, not run."
  exit 0
fi
"${sudo[@]}" dpkg --add-architecture i386
update_lists
if ! output=$(install wine32:i386 2>&1); then
  echo "$output" >&2
  said=$(grep -E '^E: ' <<<"$output" | tail -n 1)
  no_wine32 "No 32-bit Wine: apt could not install wine32:i386 (${said:-$(tail -n 1 <<<"$output")}), so the 32-bit Velmora.exe is built and checked, not run."
fi
exit 0
