#!/bin/sh
# Builds the .deb and checks it as a distribution would: lintian (no error or warning), the
# desktop entry, the AppStream metadata and the man page; then runs the packaged program's
# command line. Skipped (exit 77) when the tools are not installed.
#
#   check-package.sh BUILD-FOLDER SOURCE-FOLDER
set -u
build=$1
src=$2
missing=""
for tool in cpack lintian desktop-file-validate appstreamcli mandoc dpkg-shlibdeps dpkg-deb; do
    command -v "$tool" > /dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "skipped: not installed:$missing"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/out/*.deb)
fail=0
echo "== lintian"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail=1
echo "== desktop-file-validate"
desktop-file-validate "$src/packaging/org.halvane.Brambex.desktop" || fail=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$build/packaging/org.halvane.Brambex.metainfo.xml" || fail=1
echo "== mandoc lint"
mandoc -T lint -W style "$src/packaging/brambex.1" || fail=1

# The packaged program, unpacked: its version, help and an unknown option.
echo "== the packaged program"
dpkg-deb -x "$deb" "$work/root"
exe="$work/root/usr/bin/brambex"
version=$("$exe" --version) || fail=1
case "$version" in "brambex "*) ;; *) echo "--version said: $version"; fail=1 ;; esac
"$exe" --help > /dev/null || fail=1
"$exe" --bogus > /dev/null 2>&1
[ $? -eq 2 ] || { echo "an unknown option did not exit 2"; fail=1; }
for f in usr/share/man/man1/brambex.1.gz usr/share/doc/brambex/copyright usr/share/doc/brambex/changelog.gz \
         usr/share/applications/org.halvane.Brambex.desktop usr/share/metainfo/org.halvane.Brambex.metainfo.xml \
         usr/share/icons/hicolor/512x512/apps/org.halvane.Brambex.png usr/share/icons/hicolor/scalable/apps/org.halvane.Brambex.svg \
         usr/share/bash-completion/completions/brambex; do
    [ -f "$work/root/$f" ] || { echo "missing from the package: $f"; fail=1; }
done
[ $fail -eq 0 ] && echo "package checks passed"
exit $fail
