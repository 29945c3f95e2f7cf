#!/usr/bin/env bash
# Lumora's one entry for newcomers and CI:
#   ./dev.sh run    install what is missing, build, start Lumora in the sample pictures
#   ./dev.sh test   install what is missing, build, run every test through ctest
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev libexif-dev libgtest-dev
          xvfb xauth xdotool imagemagick fonts-dejavu-core clang libclang-rt-14-dev
          desktop-file-utils appstream dpkg-dev file at-spi2-core dbus-daemon dbus-bin python3 python3-gi
          weston qt6-wayland qt6-image-formats-plugins libheif-dev libjxl-dev libraw-dev libwebp-dev libyuv-dev
          libheif-examples libjxl-tools libraw-bin)
BUILD=build

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j"$(nproc)"
}

# The same program and tests again in Debug (assertions on) under AddressSanitizer and
# UBSan; every ctest entry runs there too.
SANITIZED=build-sanitized
build_sanitized() {
    cmake -S . -B "$SANITIZED" -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON >/dev/null
    cmake --build "$SANITIZED" -j"$(nproc)"
}

case "${1:-}" in
    test)
        install_missing
        build
        (cd "$BUILD" && ctest --output-on-failure -j"$(nproc)")
        build_sanitized
        cd "$SANITIZED" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            LSAN_OPTIONS=suppressions="$PWD/../tests/sanitized/system-leaks.supp" \
            ctest --output-on-failure -j"$(nproc)"
        ;;
    run)
        install_missing
        build
        cmake --build "$BUILD" --target samples
        if [ -n "${DISPLAY:-}" ]; then
            cd "$BUILD/samples" && exec ../lumora
        fi
        # No display: show it on a virtual one, keep a picture of the screen, close it.
        exec scripts/xvfb-session.sh "$BUILD/lumora" "$BUILD/samples" "$BUILD/lumora.png"
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
