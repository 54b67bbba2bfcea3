#!/usr/bin/env bash
# The release as users and maintainers meet it: tools/release.sh makes it, signed with a
# throwaway key made here; its sums and its signature verify; --check rebuilds it in a fresh
# folder and finds the same bytes (every clean build of one commit gives them), and --check
# names the one file of a copy in which one byte was changed.
# Usage: tests/release_test.sh  (from the test command: it rebuilds the package and the exes)
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'gpgconf --kill gpg-agent 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export GNUPGHOME=$work/gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-generate-key 'Velmora test release <release@velmora.invalid>' \
  ed25519 sign never
key=$(gpg --with-colons --list-keys | awk -F: '/^fpr/ { print $10; exit }')

release=build/release
tools/release.sh --sign "$key" "$release"
listing=$(cd "$release" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = "BUILDINFO SHA256SUMS SHA256SUMS.asc velmora_1.00_amd64.deb windows-i686/Velmora.exe windows-x86_64/Velmora.exe " ] ||
  fail "the release holds: $listing"
(cd "$release" && sha256sum -c SHA256SUMS) || fail "sha256sum -c failed"
gpg --verify "$release/SHA256SUMS.asc" "$release/SHA256SUMS" || fail "the signature does not verify"

tools/release.sh --check "$release" | tee "$work/check.txt" || fail "--check found the untouched release differs"
grep -q '^The same bytes' "$work/check.txt" || fail "--check did not say the bytes are the same"

# One byte changed, in a copy: --check against the release just proven equal to a rebuild.
cp -r "$release" "$work/tampered"
exe=$work/tampered/windows-i686/Velmora.exe
byte=$(od -An -tu1 -j 4096 -N 1 "$exe" | tr -d ' ')
printf "\\$(printf '%03o' $(((byte + 1) % 256)))" | dd of="$exe" bs=1 seek=4096 conv=notrunc status=none
if tools/release.sh --check "$work/tampered" "$release" >"$work/tampered.txt" 2>&1; then
  fail "--check passed a release with a changed byte"
fi
grep '^DIFFERS: ' "$work/tampered.txt" | tee "$work/differs.txt"
[ "$(cat "$work/differs.txt")" = "DIFFERS: windows-i686/Velmora.exe" ] ||
  fail "--check named other files: $(cat "$work/tampered.txt")"
(cd "$work/tampered" && ! sha256sum --quiet -c SHA256SUMS 2>/dev/null) ||
  fail "sha256sum -c passed the changed exe"
echo "release: made, summed, signed and verified; --check finds the same bytes, and the changed one"
