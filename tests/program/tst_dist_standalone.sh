#!/bin/sh
# The zip of make dist runs on a machine without Qt: unpacked, its corvanta is started in a
# private mount namespace where every system libQt6*.so* is covered by /dev/null and Qt's plugin
# folder by an empty one. It must stay up at its login window, and every Qt library and plugin
# it has mapped must come from the unpacked folder.
#   tst_dist_standalone.sh <cmake> <MakeDist.cmake> <program folder> <first-password tool>
#                          <Qt's plugin folder> <work folder>
# Exits 77 (skipped) when not root or when the system refuses a mount namespace.
set -eu
cmake=$1 make_dist=$2 program_dir=$3 first_password=$4 qt_plugins=$5 work=$6
qt_libs=/usr/lib/x86_64-linux-gnu

if [ "$(id -u)" != 0 ]; then
    echo "SKIP: hiding the system's Qt needs root (bind mounts in a mount namespace)"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work/unpacked" "$work/empty" "$work/home"
if ! unshare -m mount --bind "$work/empty" "$work/home" 2>/dev/null; then
    echo "SKIP: the system refuses a private mount namespace with bind mounts (unshare -m)"
    exit 77
fi
"$cmake" -DPROGRAM_DIR="$program_dir" -DFIRST_PASSWORD="$first_password" -DQT_PLUGINS="$qt_plugins" \
    -DARCHIVE="$work/Corvanta.zip" -P "$make_dist"
(cd "$work/unpacked" && "$cmake" -E tar xf "$work/Corvanta.zip")
folder=$work/unpacked/Corvanta

# Inside the namespace: hide Qt, start the program, and after 3 seconds copy its maps out.
cat > "$work/hidden.sh" <<'EOF'
set -eu
work=$1 qt_libs=$2 qt_plugins=$3 folder=$4
hidden=0
for lib in "$qt_libs"/libQt6*.so*; do
    [ -f "$lib" ] && [ ! -L "$lib" ] || continue
    mount --bind /dev/null "$lib"
    hidden=$((hidden + 1))
done
mount --bind "$work/empty" "$qt_plugins"
[ "$hidden" -gt 0 ] || { echo "FAIL: no system Qt library to hide in $qt_libs"; exit 1; }
echo "hidden: $hidden Qt libraries and $qt_plugins"
env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH -u QT_DEBUG_PLUGINS \
    HOME="$work/home" QT_QPA_PLATFORM=offscreen "$folder/corvanta" > "$work/program.log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "FAIL: corvanta ended within 3 seconds:"
    cat "$work/program.log"
    exit 1
fi
cat "/proc/$pid/maps" > "$work/maps"
kill "$pid"
wait "$pid" || true
EOF
unshare -m sh "$work/hidden.sh" "$work" "$qt_libs" "$qt_plugins" "$folder"

failures=0
# Every mapped Qt library or plugin, and anything mapped from a Qt plugin folder.
awk '$6 ~ /^\// { print $6 }' "$work/maps" | sort -u > "$work/mapped"
grep -E '/libQt6[^/]*\.so|/plugins/|/qt6/' "$work/mapped" > "$work/qt" || true
while read -r path; do
    case $path in
        "$folder"/*) ;;
        *) echo "FAIL: $path is the system's, not the folder's"; failures=$((failures + 1)) ;;
    esac
done < "$work/qt"
for expected in lib/libQt6Core.so.6 lib/libQt6Widgets.so.6 plugins/platforms/libqoffscreen.so; do
    grep -qx "$folder/$expected" "$work/mapped" || {
        echo "FAIL: $expected was not loaded from the folder"; failures=$((failures + 1)); }
done
echo "Qt libraries and plugins loaded:"
sed "s|^$folder/|  |" "$work/qt"
[ "$failures" = 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "corvanta ran from the unpacked folder with the system's Qt hidden"
