#!/usr/bin/env bash
# Checks the .deb that scripts/package built; skipped (77) when there is none.
set -euo pipefail
build=$1
shopt -s nullglob
packages=("$build"/sonvela_*.deb)
if [ ${#packages[@]} -eq 0 ]; then
  echo "no package built (scripts/package builds one); skipped"
  exit 77
fi
deb=${packages[0]}
fail=0
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/sonvela ./usr/bin/sonvela-standin ./usr/share/applications/sonvela.desktop \
  ./usr/share/sonvela/deployment.ini.example ./usr/share/icons/hicolor/scalable/apps/sonvela.svg \
  './etc/sonvela/deployment.ini.example -> /usr/share/sonvela/deployment.ini.example'; do
  grep -q -F " $path" <<<"$contents" || { echo "missing in the package: $path"; fail=1; }
done
# `apt remove` must leave nothing but the user's settings. A file in /etc is
# a conffile and outlives removal, and so does the package's record when it
# has a postrm: the package keeps only links in /etc and has no scripts.
kept=$(grep -E '^[^dl].* \./etc/' <<<"$contents" || true)
if [ -n "$kept" ]; then
  echo "files in /etc would outlive removal: $kept"
  fail=1
fi
for member in conffiles preinst postinst prerm postrm; do
  if dpkg-deb -I "$deb" "$member" >/dev/null 2>&1; then
    echo "the package has a $member: its record would outlive removal"
    fail=1
  fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6webenginecore6 libqt6webenginecore6-bin libqt6dbus6 libsqlite3 gstreamer1.0-plugins-good; do
  grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; fail=1; }
done
# Errors fail the package; warnings are shown for whoever looks.
report=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
[ -n "$report" ] && echo "$report"
if grep -q '^E:' <<<"$report"; then
  fail=1
fi
[ "$fail" -eq 0 ] && echo "package $(basename "$deb") complete, lintian shows no error"
exit "$fail"
