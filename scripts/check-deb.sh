#!/usr/bin/env bash
# Makes the .deb of a release build and checks it as a Debian user would meet it: the files it
# installs, the dependencies computed for it, and the validity of its desktop entry and AppStream file.
#   scripts/check-deb.sh BUILD-DIR
set -euo pipefail
build=$1
id=org.vokta.Vokta
rm -f "$build"/vokta_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vokta_*_"$(dpkg --print-architecture)".deb)
echo "made $deb"
fail() { echo "$deb: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb")
for file in usr/bin/vokta usr/share/applications/$id.desktop usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml usr/share/doc/vokta/LICENSE; do
    grep -q " \./$file\$" <<<"$contents" || fail "lacks /$file"
done
grep -q " \./usr/lib/.*/libvokta_charts\.so\$" <<<"$contents" || fail "lacks the chart module libvokta_charts.so"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6printsupport6 libqt6charts6 qt6-qpa-plugins \
           fonts-liberation2; do
    sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" | grep -qxF "$dep" || fail "does not depend on $dep"
done
[ -n "$(dpkg-deb -f "$deb" Section)" ] || fail "has no section"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 1 ] || fail "has no long description"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
grep -qx 'MimeType=application/x-vokta;' "$root/usr/share/applications/$id.desktop" ||
    fail "its desktop entry does not declare the design files' type"
# Installed as a file manager meets it: the type database built from the .deb's file names a design file.
"$(dirname "$0")/../tests/app/check-mime.sh" "$root/usr/share/mime/packages/$id.xml"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
[ -x "$root/usr/bin/vokta" ] || fail "its program is not executable"
# The program loads the chart module through its run path, relative to where the program is installed.
runpath=$(readelf -d "$root/usr/bin/vokta" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ -f "${runpath//\$ORIGIN/$root/usr/bin}/libvokta_charts.so" ] ||
    fail "its program does not find the chart module through its run path '$runpath'"
echo "the .deb, its desktop entry, its MIME type and its AppStream file are valid"
