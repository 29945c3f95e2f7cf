# Sourced: start_a11y_bus starts the accessibility bus on the session bus the caller runs
# on (dbus-run-session) and sets a11y to its address and a11y_launcher to the launcher's
# process, or ends the caller when the bus does not come up.
start_a11y_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    a11y_launcher=$!
    a11y=""
    for _ in $(seq 100); do
        a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') && [ -n "$a11y" ] && return 0
        sleep 0.1
    done
    echo "the accessibility bus did not come up" >&2
    exit 1
}
