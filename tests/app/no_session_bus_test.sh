#!/bin/sh
# The real program under X without a session bus, the first folder of PATH on a
# mount that does not answer: its first window appears (the search's, which then
# waits on that folder). Qt's accessibility bridge would otherwise have libdbus
# look for dbus-launch on PATH and wait there before any window.
#     no_session_bus_test.sh BRISKO SOURCE_DIR
# Exits 77 (skipped) without root, Xvfb, xdotool or the FUSE mount.
set -u
[ "$(id -u)" = 0 ] && command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77
[ -n "${IN_MOUNT_NAMESPACE:-}" ] || IN_MOUNT_NAMESPACE=1 exec unshare --mount sh "$0" "$@"
work=$(mktemp -d)
mkdir -p "$work/nas" "$work/home/.q3a/baseq3"
echo 'seta name "x"' >"$work/home/.q3a/baseq3/q3config.cfg"
/usr/bin/python3 "$2/tests/support/stuck_fuse.py" "$work/nas" "$work/release" 2>/dev/null &
fuse=$!
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
ready() { grep -q " $work/nas " /proc/self/mounts && [ -s "$work/display" ]; }
for _ in $(seq 100); do ready && break || sleep 0.1; done
status=77
if ready; then
    DISPLAY=:$(cat "$work/display") HOME=$work/home PATH=$work/nas/sub:/usr/bin:/bin \
        /usr/bin/env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME "$1" &
    app=$!
    DISPLAY=:$(cat "$work/display") timeout 20 xdotool search --sync --onlyvisible \
        --name '^Brisko$' >/dev/null
    status=$?
    kill -9 $app
fi
touch "$work/release"
umount -l "$work/nas"
kill $fuse $xvfb
wait
rm -rf "$work"
exit $status
