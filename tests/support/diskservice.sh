#!/bin/sh
# A disk service of the test's own: a private system bus with the disk
# daemon on it (and the device manager, when none runs), and a small disk
# image on a loop device.
#   diskservice.sh start STATE LABEL   prints the loop device; exit 3 with the
#                                      reason when this machine cannot do it
#   diskservice.sh plug STATE          sets the image up on a loop device
#                                      again, as a disk plugged in again
#   diskservice.sh stop STATE          undoes all of it
# The session bus's services (the desktop's volume monitor) are pointed at
# the private system bus, so start it before anything on that session bus
# asks for volumes.
set -u
state=$2

skip() { echo "$*"; exit 3; }

stop() {
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$state/system_bus_socket"
    if [ -f "$state/device" ]; then
        dev=$(cat "$state/device")
        # Only while it is still ours: a cleared device may be another's now.
        if [ "$(losetup -n -O BACK-FILE "$dev" 2>/dev/null)" = "$state/image" ]; then
            umount "$dev" 2>/dev/null
            losetup -d "$dev" 2>/dev/null
        fi
    fi
    for p in udisksd udevd bus; do
        [ -f "$state/$p.pid" ] && kill "$(cat "$state/$p.pid")" 2>/dev/null
    done
    rm -f "$state/image" "$state/device"
}

# The image on a free loop device, announced as a new device is.
plug() {
    dev=$(losetup -f --show "$state/image" 2>&1) && [ -b "$dev" ] || return 1
    echo "$dev" >"$state/device"
    udevadm trigger --action=add --settle "/sys/class/block/${dev#/dev/}" 2>/dev/null
    echo "$dev"
}

case $1 in
stop)
    stop
    exit 0
    ;;
plug)
    plug || { echo "No loop device could be set up."; exit 1; }
    exit 0
    ;;
esac

label=$3
udisksd=/usr/libexec/udisks2/udisksd
udevd=/lib/systemd/systemd-udevd
[ "$(id -u)" = 0 ] || skip "It needs root, to set up a loop device."
[ -e /dev/loop-control ] || skip "This machine has no loop devices."
[ -x "$udisksd" ] || skip "The disk service (udisks2) is not installed."
for tool in dbus-daemon udisksctl udevadm mkfs.ext4 gdbus; do
    command -v "$tool" >/dev/null || skip "$tool is not installed."
done
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || skip "There is no session bus."

mkdir -p "$state"
cat >"$state/system.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$state/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
    <allow user="*"/>
  </policy>
</busconfig>
EOF
dbus-daemon --config-file="$state/system.conf" --fork --print-pid >"$state/bus.pid" ||
    skip "A private system bus could not be started."
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$state/system_bus_socket"

if ! udevadm control --ping -t 2 2>/dev/null; then
    [ -x "$udevd" ] || { stop; skip "No device manager runs and udev is not installed."; }
    "$udevd" >"$state/udevd.log" 2>&1 &
    echo $! >"$state/udevd.pid"
    i=0
    until udevadm control --ping -t 1 2>/dev/null; do
        i=$((i + 1))
        [ $i -lt 50 ] || { stop; skip "The device manager could not be started here."; }
        sleep 0.1
    done
fi

"$udisksd" --no-debug >"$state/udisksd.log" 2>&1 &
echo $! >"$state/udisksd.pid"
i=0
until timeout 2 gdbus call --system --dest org.freedesktop.UDisks2 \
    --object-path /org/freedesktop/UDisks2/Manager --method org.freedesktop.DBus.Properties.Get \
    org.freedesktop.UDisks2.Manager Version >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -lt 100 ] || { stop; skip "The disk service did not start."; }
    sleep 0.1
done

truncate -s 32M "$state/image" && mkfs.ext4 -q -F -L "$label" "$state/image" ||
    { stop; skip "The disk image could not be made."; }
# The disk service takes a loop device down when it is unmounted, as a
# stick pulled out: plug sets it up again.
dev=$(plug) || { stop; skip "No loop device could be set up."; }

# What the session bus starts from now on finds the private system bus, and
# the file services mount no folder of theirs in the real home.
timeout 10 gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.UpdateActivationEnvironment \
    "{'DBUS_SYSTEM_BUS_ADDRESS': '$DBUS_SYSTEM_BUS_ADDRESS', 'GVFS_DISABLE_FUSE': '1'}" >/dev/null ||
    { stop; skip "The session bus would not take the system bus's address."; }
echo "$dev"
