#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a user's machine
# gets: every file in its place, and the desktop entry and metainfo valid.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch" cmake --install "$build" >/dev/null
prefix="$scratch$(cmake -L -N "$build" | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')"

fail=0
expect() {
  if [ ! -e "$1" ]; then
    echo "missing: ${1#"$scratch"}"
    fail=1
  fi
}
expect "$prefix/bin/sonvela"
expect "$prefix/bin/sonvela-standin"
libdir=$(cmake -LA -N "$build" | sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p')
expect "$prefix/$libdir/sonvela/libsonvela_audioctl.so"
expect "$prefix/share/applications/sonvela.desktop"
expect "$prefix/share/metainfo/com.velmora.sonvela.metainfo.xml"
expect "$prefix/share/icons/hicolor/scalable/apps/sonvela.svg"
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/sonvela.png"
  expect "$png"
  # A picture of the size its folder promises.
  if [ -e "$png" ] && ! file "$png" | grep -q "$size x $size"; then
    echo "wrong size: ${png#"$scratch"}: $(file -b "$png")"
    fail=1
  fi
done
expect "$prefix/share/man/man1/sonvela.1.gz"
expect "$prefix/share/man/man1/sonvela-standin.1.gz"
expect "$prefix/share/doc/sonvela/copyright"
expect "$prefix/share/sonvela/deployment.ini.example"
# /etc holds a link to the example, not a file of its own: removing the
# package must leave nothing there.
link=$(readlink "$scratch/etc/sonvela/deployment.ini.example" || true)
if [ "$scratch$link" != "$prefix/share/sonvela/deployment.ini.example" ]; then
  echo "/etc/sonvela/deployment.ini.example should link to the installed example, links to \"$link\""
  fail=1
fi

# Nothing installed that the list above does not know of.
unexpected=$(cd "$scratch" && find . ! -type d | grep -v -E \
  '/bin/sonvela(-standin)?$|/share/(applications|metainfo|icons|man|doc)/|/share/sonvela/deployment\.ini\.example$|^\./etc/sonvela/deployment\.ini\.example$|/lib/([a-z0-9_]+-linux-gnu[a-z0-9_]*/)?sonvela/libsonvela_audioctl\.so$' || true)
if [ -n "$unexpected" ]; then
  echo "unexpected files:"
  echo "$unexpected"
  fail=1
fi

desktop-file-validate "$prefix/share/applications/sonvela.desktop" || fail=1
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/com.velmora.sonvela.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/com.velmora.sonvela.metainfo.xml"
  fail=1
}
# Man pages that render without warnings.
for page in "$prefix"/share/man/man1/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
  if [ -n "$warnings" ]; then
    echo "${page#"$scratch"}: $warnings"
    fail=1
  fi
done
[ "$fail" -eq 0 ] && echo "install tree complete and valid"
exit "$fail"
