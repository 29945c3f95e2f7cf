#!/usr/bin/env bash
# The desktop files and what an install or the Debian package holds.
#   check_package.sh desktop  ENTRY.desktop   desktop-file-validate, no word of complaint
#   check_package.sh metainfo FILE.xml        appstreamcli validate, no warning or error
#   check_package.sh install  BUILD_DIR       cmake --install into a temporary prefix
#   check_package.sh deb      BUILD_DIR       cpack -G DEB, then dpkg-deb --contents and -I
#   check_package.sh open     BUILD_DIR SAMPLES   the installed entry's command on a picture
#                                               (made by the samples maker) under Xvfb
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

install_into() {
    cmake --install "$target" --prefix "$1" >/dev/null
}

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
    install_into "$work/usr"
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
    for plugin in qt6-wayland qt6-image-formats-plugins libqt6svg6 libheif1 libjxl0.7 libraw20; do
        grep -q "$plugin" <<<"$depends" || fail "the package does not depend on $plugin: $depends"
    done
    echo "$(basename "$deb"): Depends: $depends"
    ;;
open)
    # As a launcher runs it: %F becomes the files, the program is found on PATH.
    install_into "$work/usr"
    QT_QPA_PLATFORM=offscreen "$3" "$work/pictures" >/dev/null
    picture="$work/pictures/lake at dawn.jpg"
    mv "$work/pictures/dawn-640x480.jpg" "$picture"
    read -ra words < <(sed -n 's/^Exec=//p' "$work/usr/share/applications/$id.desktop")
    program=$(PATH="$work/usr/bin:$PATH" command -v "${words[0]}") || fail "${words[0]} is not on PATH"
    [ "$program" = "$work/usr/bin/lumora" ] || fail "the entry starts $program, not the installed lumora"
    args=()
    for word in "${words[@]:1}"; do
        if [ "$word" = %F ]; then args+=(--arg "$picture"); else args+=(--arg "$word"); fi
    done
    mkdir "$work/config"
    # The viewer's window shows that the picture opened; a message box would keep
    # Lumora from closing.
    XDG_CONFIG_HOME="$work/config" "$(dirname "$0")/../../scripts/xvfb-session.sh" \
        "${args[@]}" --window '^Show Picture$' "$program" "$work"
    echo "the installed entry opened $(basename "$picture")"
    ;;
*)
    fail "unknown check $mode"
    ;;
esac
