#!/usr/bin/env bash
# The installed codeplug type, as a file manager sees it through the
# shared-mime-info database: a codeplug is recognised by its "GZQ72"
# signature whatever its name, and another program's *.dat type keeps its
# own files, since our glob weighs less than its and our signature more.
# usage: check_mime_magic.sh PREFIX SAMPLE.DAT MIME_PROBE
set -uo pipefail
prefix=$1 sample=$2 probe=$3
ours=application/x-pl63-codeplug
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {  # FILE CONTENT-TYPE FILE-TYPE
    local got
    got=$(XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$dirs QT_QPA_PLATFORM=offscreen "$probe" "$1")
    [ "$got" = "$2 $3" ] || { echo "FAIL: $(basename "$1") is '$got', not '$2 $3' ($case)"; failures=$((failures + 1)); }
}

mkdir -p "$work/home" "$work/ours/mime" "$work/both/mime"
cp -r "$prefix/share/mime/packages" "$work/ours/mime/"
cp -r "$prefix/share/mime/packages" "$work/both/mime/"
update-mime-database "$work/ours/mime" > /dev/null 2>&1 || exit 1
cp "$sample" "$work/radio.DAT"
cp "$sample" "$work/renamed.bin"
head -c 853 /dev/zero | tr '\0' 'x' > "$work/other.DAT"
head -c 853 /dev/zero | tr '\0' 'x' > "$work/other.bin"

case="our type alone"
dirs=$work/ours:/usr/share
expect "$work/radio.DAT" $ours $ours
expect "$work/renamed.bin" $ours $ours
expect "$work/other.bin" text/plain text/plain

# As when both programs are installed: one database.
case="beside another program's *.dat type"
cat > "$work/both/mime/packages/other.xml" << 'XML'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-other-dat">
    <comment>another program's data</comment>
    <glob pattern="*.dat"/>
  </mime-type>
</mime-info>
XML
update-mime-database "$work/both/mime" > /dev/null 2>&1 || exit 1
dirs=$work/both:/usr/share
expect "$work/radio.DAT" $ours $ours
expect "$work/other.DAT" text/plain application/x-other-dat

[ "$failures" -eq 0 ] || exit 1
echo "codeplug type recognised by its signature"
