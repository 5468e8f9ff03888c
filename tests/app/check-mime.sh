#!/usr/bin/env bash
# Installs the design files' MIME type from the given shared-mime-info file into a data folder of its own,
# builds its database there as a package's trigger does, and asks xdg-mime the type of a design file, as a
# GNOME desktop asks it (through gio): it must be application/x-vokta.
#   tests/app/check-mime.sh MIME-XML
set -euo pipefail
xml=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/mime/packages"
cp "$xml" "$home/mime/packages/"
XDG_DATA_HOME="$home" XDG_DATA_DIRS="$home:/usr/share" update-mime-database "$home/mime"
printf '{"format": "vokta-design", "version": 1}\n' >"$home/фильтр.vokta"
type=$(XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME="$home" XDG_DATA_DIRS="$home:/usr/share" \
    xdg-mime query filetype "$home/фильтр.vokta")
[ "$type" = application/x-vokta ] || { echo "xdg-mime names a design file $type" >&2; exit 1; }
echo "xdg-mime names a design file $type"
