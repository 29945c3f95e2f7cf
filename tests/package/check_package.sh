#!/usr/bin/env bash
# The desktop files and what an install or the Debian package holds.
#   check_package.sh desktop  ENTRY.desktop   desktop-file-validate, no word of complaint
#   check_package.sh metainfo FILE.xml        appstreamcli validate, no warning or error
#   check_package.sh install  BUILD_DIR       cmake --install into a temporary prefix
#   check_package.sh deb      BUILD_DIR       cpack -G DEB, then dpkg-deb --contents and -I
set -euo pipefail
mode=$1
target=$2
id=org.lumora.Lumora

# Every file an install holds, below its prefix.
expected() {
    echo bin/lumora
    echo share/applications/$id.desktop
    echo share/metainfo/$id.metainfo.xml
    echo share/icons/hicolor/scalable/apps/$id.svg
    for size in 16 32 48 64 128 256; do
        echo share/icons/hicolor/${size}x$size/apps/$id.png
    done
    echo share/doc/lumora/copyright
}

fail() {
    echo "check_package: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case "$mode" in
desktop)
    out=$(desktop-file-validate "$target" 2>&1) || fail "desktop-file-validate failed: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    echo "desktop entry valid"
    ;;
metainfo)
    appstreamcli validate --no-net "$target" || fail "appstreamcli found warnings or errors"
    ;;
install)
    cmake --install "$target" --prefix "$work/usr" >/dev/null
    while read -r file; do
        [ -f "$work/usr/$file" ] || fail "the install lacks $file"
    done < <(expected)
    for size in 16 32 48 64 128 256; do
        got=$(identify -format '%wx%h' "$work/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
        [ "$got" = "${size}x$size" ] || fail "the ${size}-pixel icon measures $got"
    done
    echo "install holds $(expected | wc -l) files"
    ;;
deb)
    (cd "$work" && cpack -G DEB --config "$target/CPackConfig.cmake" >/dev/null) || fail "cpack failed"
    deb=$(ls "$work"/lumora_*.deb)
    contents=$(dpkg-deb --contents "$deb")
    while read -r file; do
        grep -q " \./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
    done < <(expected)
    depends=$(dpkg-deb -f "$deb" Depends)
    grep -q "libqt6widgets6" <<<"$depends" || fail "the package does not depend on Qt Widgets: $depends"
    grep -q "libjpeg62-turbo" <<<"$depends" || fail "the package does not depend on libjpeg: $depends"
    echo "$(basename "$deb"): Depends: $depends"
    ;;
*)
    fail "unknown check $mode"
    ;;
esac
