#!/usr/bin/env bash
# The install tree: `cmake --install` into a fresh prefix must put every file
# a desktop and a packager expect in its place and nothing else into bin/;
# the programs must run from there and say the project's version; the desktop
# entry, the metainfo and the manual pages must pass their validators; and
# the manual page and the bash completion must name every verb and option
# that `pl63 --help` and `pl63 VERB --help` list.
# usage: check_install_tree.sh BUILD_DIR PREFIX SOURCE_DIR VERSION
set -uo pipefail
build=$1 prefix=$2 source=$3 version=$4
id=org.pl63.programmer
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$prefix"
if ! cmake --install "$build" --prefix "$prefix" > "$prefix.log" 2>&1; then
    cat "$prefix.log"
    echo "FAIL: cmake --install"
    exit 1
fi

expected=(
    bin/pl63 bin/pl63-gui bin/pl63-radiosim
    share/pl63/PL63.html
    share/applications/$id.desktop
    share/mime/packages/$id.xml
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/pl63.1.gz share/man/man1/pl63-gui.1.gz share/man/man1/pl63-radiosim.1.gz
    share/bash-completion/completions/pl63
    share/doc/pl63/copyright share/doc/pl63/changelog.Debian.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    fail "install tree differs from the expected files (< missing, > unexpected):"
    diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]'
fi

for program in pl63 pl63-gui pl63-radiosim; do
    shown=$("$prefix/bin/$program" --version 2>&1)
    [ "$shown" = "$program $version" ] || fail "$program --version says '$shown', not '$program $version'"
done
# The window program refuses what it cannot open before showing a window.
for words in "--no-such-option" "one.DAT two.DAT"; do
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen timeout 20 "$prefix/bin/pl63-gui" $words > /dev/null 2>&1
    code=$?
    [ "$code" -eq 2 ] || fail "pl63-gui $words exits $code, not 2"
done
for size in 16 48 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null |
        grep -q "PNG image data, $size x $size" || fail "the ${size}x$size icon is no $size-pixel PNG"
done

# Validators: anything they say is a finding.
said=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate failed"
[ -z "$said" ] || fail "desktop-file-validate: $said"
grep -qx 'Exec=pl63-gui %f' "$prefix/share/applications/$id.desktop" || fail "desktop Exec"
grep -q '^MimeType=application/x-pl63-codeplug;$' "$prefix/share/applications/$id.desktop" ||
    fail "desktop MimeType"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" > "$prefix.as" 2>&1 ||
    { cat "$prefix.as"; fail "appstreamcli validate"; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo release is not $version"
for page in pl63 pl63-gui pl63-radiosim; do
    said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$said" ] || fail "man $page: $said"
done

# Every verb and option of the command line in its manual page and completion.
manual=$(zcat "$prefix/share/man/man1/pl63.1.gz" | sed 's/\\-/-/g')
completion=$(cat "$prefix/share/bash-completion/completions/pl63")
verbs=$("$prefix/bin/pl63" --help | sed -n '/^verbs:/,/^$/p' | awk 'NF > 1 {print $1}')
[ -n "$verbs" ] || fail "pl63 --help lists no verbs"
for verb in $verbs; do
    grep -q "^\.B pl63 $verb\$" <<< "$manual" || fail "pl63(1) has no synopsis of '$verb'"
    grep -qw -- "$verb" <<< "$(grep '^    local verbs=' <<< "$completion")" ||
        fail "the completion does not offer '$verb'"
    for option in $("$prefix/bin/pl63" "$verb" --help | grep -oE '(^|[ [])(--[a-z][a-z-]*|-o)\b' |
                    tr -d ' [' | sort -u); do
        grep -qF -- "$option" <<< "$manual" || fail "pl63(1) does not name $verb's $option"
        grep -E "^ +$verb\) " <<< "$completion" | grep -qF -- "$option" ||
            [ "$option" = --lang ] || [ "$option" = --help ] ||
            fail "the completion does not offer $verb's $option"
    done
done
bash -n "$prefix/share/bash-completion/completions/pl63" || fail "the completion is no valid bash"

# The window program finds the installed guide from bin/ (help_file.cpp's
# relative path): the file must be where that path leads.
[ -f "$prefix/bin/../share/pl63/PL63.html" ] || fail "no guide at bin/../share/pl63"

if [ "$failures" -ne 0 ]; then
    echo "$failures finding(s) in the install tree at $prefix"
    exit 1
fi
echo "install tree at $prefix: ${#expected[@]} files as expected"
