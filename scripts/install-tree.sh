#!/usr/bin/env bash
# `make install` and `make uninstall`.
#
#   scripts/install-tree.sh install BUILD_DIR PREFIX
#   scripts/install-tree.sh uninstall BUILD_DIR
#
# Both honour DESTDIR from the environment. CMake's install_manifest.txt lists
# the files an install put down, without DESTDIR; beside it, install_record.txt
# notes the DESTDIR they went under, the manifest as it was then and the
# directories the install had to make. Uninstalling removes exactly those
# files, then those directories where they are empty, and nothing else. It
# refuses when the manifest has changed since (a `cmake --install` by hand, a
# different DESTDIR): removing someone else's list could take away a
# packaged copy of the program.
set -euo pipefail
# Folders that others can read, whatever the caller's umask: CMake masks its
# own 0755 with it.
umask 022

usage() {
    echo "usage: $0 install BUILD_DIR PREFIX | uninstall BUILD_DIR" >&2
    exit 2
}

say() { echo "$(basename "$0"): $*" >&2; }

destdir=${DESTDIR:-}
case $destdir in
'' | /*) ;;
*) say "DESTDIR must be an absolute path, not '$destdir'"; exit 1 ;;
esac
# Without a trailing slash, so that DESTDIR + an absolute path is one path.
while [ "${destdir%/}" != "$destdir" ]; do destdir=${destdir%/}; done

manifest_sum() { sha256sum <"$1" | cut -d' ' -f1; }

# Debian keeps an icon cache and a MIME-type index of the launchers, and
# desktops read them instead of the folders when present. Update those that
# exist, never create one: a new cache would be a file no manifest lists.
# Only for a real install; a staged tree gets its caches where it lands.
refresh_caches() {
    local manifest=$1 line hicolor="" apps=""
    [ -z "$destdir" ] || return 0
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
        */icons/hicolor/*/apps/tarnwick.*) hicolor=${line%/icons/hicolor/*}/icons/hicolor ;;
        */applications/tarnwick.desktop) apps=${line%/tarnwick.desktop} ;;
        esac
    done <"$manifest"
    if [ -n "$hicolor" ] && [ -f "$hicolor/icon-theme.cache" ] &&
        command -v gtk-update-icon-cache >/dev/null; then
        gtk-update-icon-cache -q -t -f "$hicolor" || say "could not refresh $hicolor/icon-theme.cache"
    fi
    if [ -n "$apps" ] && [ -f "$apps/mimeinfo.cache" ] &&
        command -v update-desktop-database >/dev/null; then
        update-desktop-database -q "$apps" || say "could not refresh $apps/mimeinfo.cache"
    fi
}

do_install() {
    local build=$1 prefix=$2
    case $prefix in
    /*) ;;
    *) say "PREFIX must be an absolute path, not '$prefix'"; exit 1 ;;
    esac
    local manifest=$build/install_manifest.txt record=$build/install_record.txt

    # The directories this install makes: a trial install into an empty
    # folder shows every one it needs, and those missing now are its own.
    local trial
    trial=$(mktemp -d)
    trap 'rm -rf "$trial"' EXIT
    DESTDIR=$trial cmake --install "$build" --prefix "$prefix" >/dev/null
    local made=() dir
    if [ -n "$destdir" ]; then
        dir=$destdir
        while [ -n "$dir" ] && [ ! -e "$dir" ] && [ ! -L "$dir" ]; do
            made+=("$dir")
            dir=${dir%/*}
        done
    fi
    while IFS= read -r -d '' dir; do
        dir=$destdir${dir#"$trial"}
        [ -e "$dir" ] || [ -L "$dir" ] || made+=("$dir")
    done < <(find "$trial" -mindepth 1 -type d -print0)
    rm -rf "$trial"
    trap - EXIT

    # Directories an earlier install under the same DESTDIR made stay ours.
    if [ -f "$record" ] && [ "$(sed -n 's/^destdir=//p' "$record")" = "$destdir" ]; then
        while IFS= read -r dir; do
            [ -d "$dir" ] && made+=("$dir")
        done < <(sed -n 's/^dir=//p' "$record")
    fi

    rm -f "$record"
    cmake --install "$build" --prefix "$prefix"
    {
        echo "destdir=$destdir"
        echo "manifest=$(manifest_sum "$manifest")"
        for dir in "${made[@]}"; do echo "dir=$dir"; done | LC_ALL=C sort -u
    } >"$record.new"
    mv "$record.new" "$record"
    refresh_caches "$manifest"
}

do_uninstall() {
    local build=$1
    local manifest=$build/install_manifest.txt record=$build/install_record.txt
    if [ ! -f "$manifest" ]; then
        say "nothing to remove: $manifest does not exist"
        return 0
    fi
    if [ ! -f "$record" ]; then
        say "$manifest was not written by 'make install'; nothing removed"
        exit 1
    fi
    local installed_under
    installed_under=$(sed -n 's/^destdir=//p' "$record")
    if [ "$installed_under" != "$destdir" ]; then
        say "the install went under DESTDIR='$installed_under', not '$destdir'; nothing removed"
        exit 1
    fi
    if [ "$(sed -n 's/^manifest=//p' "$record")" != "$(manifest_sum "$manifest")" ]; then
        say "$manifest has changed since 'make install' wrote it; nothing removed"
        exit 1
    fi

    local file path
    # CMake leaves the manifest's last line without a newline.
    while IFS= read -r file || [ -n "$file" ]; do
        [ -n "$file" ] || continue
        case $file in
        /*) ;;
        *) say "skipping '$file': not an absolute path"; continue ;;
        esac
        path=$destdir$file
        if [ -L "$path" ] || [ -f "$path" ]; then
            echo "-- Removing: $path"
            rm -f -- "$path"
        elif [ -e "$path" ]; then
            say "left alone: $path is no longer a file"
        fi
    done <"$manifest"

    # Deepest first: in reverse order a folder comes before its parents.
    local dir
    while IFS= read -r dir; do
        if [ -d "$dir" ] && [ ! -L "$dir" ] && [ -z "$(ls -A -- "$dir")" ]; then
            echo "-- Removing: $dir/"
            rmdir -- "$dir"
        fi
    done < <(sed -n 's/^dir=//p' "$record" | LC_ALL=C sort -r)

    refresh_caches "$manifest"
    rm -f -- "$manifest" "$record"
}

case ${1:-} in
install) [ $# -eq 3 ] || usage; do_install "$2" "$3" ;;
uninstall) [ $# -eq 2 ] || usage; do_uninstall "$2" ;;
*) usage ;;
esac
