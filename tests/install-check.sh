#!/usr/bin/env bash
# Installs the build into an empty staging folder as a package would (prefix
# /usr) and checks what the desktop reads there: every file in its place with
# its permissions, each accepted by the tool that validates its kind, and
# nothing put down that `make uninstall` would not know to take away.
# Usage: tests/install-check.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in cmake desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null ||
        { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

# As `make install` and `make deb` do: CMake masks the folders' 0755 with it.
umask 022
work=$(mktemp -d)
stage=$work/stage
# cmake --install writes the build's install_manifest.txt, which a later
# `make uninstall` reads, and `make install` its install_record.txt: put back
# the ones there were.
manifest=$build/install_manifest.txt
record=$build/install_record.txt
for f in "$manifest" "$record"; do
    if [ -f "$f" ]; then cp -p "$f" "$work/$(basename "$f").saved"; fi
done
restore() {
    for f in "$manifest" "$record"; do
        if [ -f "$work/$(basename "$f").saved" ]; then
            cp -p "$work/$(basename "$f").saved" "$f"
        else
            rm -f "$f"
        fi
    done
    rm -rf "$work"
}
trap restore EXIT

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log" >&2; echo "FAIL: cmake --install failed" >&2; exit 1; }
cp "$manifest" "$work/manifest"
root=$stage/usr

# --- Everything in its place ----------------------------------------------
outside=$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr -printf '%f ')
[ -z "$outside" ] || fail "files installed outside the prefix: $outside"

exe=$root/bin/tarnwick
desktop=$root/share/applications/tarnwick.desktop
metainfo=$root/share/metainfo/io.github.tarnwick.Tarnwick.metainfo.xml
manpage=$root/share/man/man1/tarnwick.1.gz
hicolor=$root/share/icons/hicolor
# The About box looks for the page beside the executable's tree.
homepage=$root/bin/../share/tarnwick/homepage/index.html

if [ ! -f "$exe" ] || [ ! -x "$exe" ]; then fail "no executable at usr/bin/tarnwick"; fi
for f in "$desktop" "$metainfo" "$manpage" "$homepage" "$hicolor/scalable/apps/tarnwick.svg"; do
    [ -f "$f" ] || fail "missing: ${f#"$stage"/}"
done

# Each PNG must be the size its folder promises: the theme picks by folder.
for n in 16 22 24 32 48 64 128 256; do
    png=$hicolor/${n}x${n}/apps/tarnwick.png
    if [ ! -f "$png" ]; then
        fail "missing: ${png#"$stage"/}"
        continue
    fi
    # Signature, then the IHDR chunk: width and height, 4 bytes each.
    header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [ "${header:0:16}" = 89504e470d0a1a0a ] || { fail "${png#"$stage"/} is not a PNG"; continue; }
    size="$((16#${header:32:8}))x$((16#${header:40:8}))"
    [ "$size" = "${n}x${n}" ] || fail "${png#"$stage"/} is $size"
done

# Files 0644 and the program 0755, folders 0755, whatever the umask was.
while IFS= read -r -d '' f; do
    mode=$(stat -c %a "$f")
    want=644
    [ "$f" = "$exe" ] && want=755
    [ -d "$f" ] && want=755
    [ "$mode" = "$want" ] || fail "${f#"$stage"/} has mode $mode, not $want"
done < <(find "$root" -print0)

# Every file put down is in the manifest, or `make uninstall` would leave it.
if ! diff <(cd "$stage" && find . -type f -o -type l | sed 's/^\.//' | LC_ALL=C sort) \
    <(LC_ALL=C sort "$work/manifest") >"$work/manifest.diff"; then
    fail "install_manifest.txt does not match the files installed:"
    cat "$work/manifest.diff" >&2
fi

# --- The launcher ----------------------------------------------------------
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejects the launcher"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    # What it starts and shows must be what was installed.
    exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
    [ -x "$root/bin/${exec_line%% *}" ] || fail "the launcher starts '${exec_line%% *}', not installed"
    # Picked from the menu with no folder, the program opens the home folder.
    case " $exec_line " in *" --home "*) ;; *) fail "the launcher does not ask for the home folder" ;; esac
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "the launcher's icon '$icon' is not installed"
    grep -qx 'MimeType=inode/directory;' "$desktop" || fail "the launcher does not open folders"
fi

# --- The software-centre entry ---------------------------------------------
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
        { cat "$work/appstream.log" >&2; fail "appstreamcli rejects the metainfo"; }
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -f "$root/share/applications/$launchable" ] ||
        fail "the metainfo launches '$launchable', which is not installed"
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the metainfo has no release entry for $version"
fi

# --- The manual page -------------------------------------------------------
if [ -f "$manpage" ]; then
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manpage" >"$work/man.txt" 2>"$work/man.err" ||
        fail "man cannot render the manual page"
    [ -s "$work/man.err" ] && fail "man warns: $(cat "$work/man.err")"
    grep -q "Tarnwick $version" "$work/man.txt" || fail "the manual page does not name version $version"
    grep -q '^SYNOPSIS' "$work/man.txt" || fail "the manual page has no SYNOPSIS"
fi

# --- make uninstall ---------------------------------------------------------
tree=$(dirname "$0")/../scripts/install-tree.sh
# What `make install` puts down, `make uninstall` takes away, folders and all.
round=$work/round/stage
if DESTDIR=$round "$tree" install "$build" /usr >"$work/round.log" 2>&1 &&
    DESTDIR=$round "$tree" uninstall "$build" /usr >>"$work/round.log" 2>&1; then
    [ ! -e "$work/round/stage" ] || fail "make uninstall left $(find "$work/round" | wc -l) paths"
else
    cat "$work/round.log" >&2
    fail "make install or make uninstall failed on a staged tree"
fi

# A manifest and record edited together, checksum and all: uninstalling
# refuses, and removes nothing at all. Each row names what it lists beside
# the installed program; "@" stands for the test's folder.
refuses() {
    local row=$1 destdir=$2 prefix=$3 listed=$4
    local at=$work/$row fake=$work/$row/build victim=$work/$row/victim
    destdir=${destdir:+$at$destdir}
    destdir=${destdir%/}
    prefix=${prefix//@/$at}
    mkdir -p "$fake" "$destdir$prefix/bin"
    echo precious >"$victim"
    echo program >"$destdir$prefix/bin/tarnwick"
    printf '%s\n%s' "$prefix/bin/tarnwick" "${listed//@/$at}" >"$fake/install_manifest.txt"
    printf 'destdir=%s\nprefix=%s\nmanifest=%s\n' "$destdir" "$prefix" \
        "$(sha256sum <"$fake/install_manifest.txt" | cut -d' ' -f1)" >"$fake/install_record.txt"
    case $row in
    link) ln -s "$at" "$destdir$prefix/share" ;;
    open-record) chmod o+w "$fake/install_record.txt" ;;
    folder) echo "dir=$at" >>"$fake/install_record.txt" ;;
    esac
    if DESTDIR=$destdir "$tree" uninstall "$fake" "$prefix" >"$at.log" 2>&1; then
        fail "uninstall ($row) took a list it should have refused"
    fi
    [ -f "$victim" ] || fail "uninstall ($row) removed $victim"
    [ -f "$destdir$prefix/bin/tarnwick" ] || fail "uninstall ($row) removed files before refusing"
}
refuses up-and-out /stage /usr "/usr/../../victim"
refuses absolute "" @/prefix "@/victim"
refuses outside-the-prefix / /usr "/victim"
refuses relative "" @/prefix "../victim"
refuses link "" @/prefix "@/prefix/share/victim"
refuses open-record "" @/prefix "@/prefix/bin/other"
refuses folder "" @/prefix "@/prefix/bin/other"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install tree checked: $(wc -l <"$work/manifest") files"
