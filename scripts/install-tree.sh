#!/usr/bin/env bash
# `make install` and `make uninstall`.
#
#   scripts/install-tree.sh install BUILD_DIR PREFIX
#   scripts/install-tree.sh uninstall BUILD_DIR PREFIX
#
# Both honour DESTDIR from the environment. CMake's install_manifest.txt lists
# the files an install put down, without DESTDIR; beside it, install_record.txt
# notes the DESTDIR and PREFIX they went under, the manifest as it was then
# and the directories the install had to make. Uninstalling removes exactly
# those files, then those directories where they are empty, and nothing else.
# It refuses when the manifest has changed since (a `cmake --install` by hand,
# a different DESTDIR): removing someone else's list could take away a
# packaged copy of the program.
#
# The record and the manifest are only a list, and a list can be edited, the
# checksum with it. So whatever they say, uninstalling removes nothing but
# plain absolute paths inside DESTDIR+PREFIX as given now, never through a
# link to a folder, and only when both files are the installer's own: owned by
# the caller or root, writable by nobody else.
set -euo pipefail
# Folders that others can read, whatever the caller's umask: CMake masks its
# own 0755 with it.
umask 022

usage() {
    echo "usage: $0 install BUILD_DIR PREFIX | uninstall BUILD_DIR PREFIX" >&2
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

# Whether $1 is an absolute path without a "." or ".." component: one that
# cannot climb out of where it seems to lead.
plain_path() {
    case $1 in
    /*) ;;
    *) return 1 ;;
    esac
    case $1/ in
    */./* | */../*) return 1 ;;
    esac
}

if [ -n "$destdir" ] && ! plain_path "$destdir"; then
    say "DESTDIR must not hold '.' or '..', not '$destdir'"
    exit 1
fi

# PREFIX as an absolute path without a trailing slash ("" for "/").
checked_prefix() {
    local prefix=$1
    plain_path "$prefix" ||
        { say "PREFIX must be an absolute path without '.' or '..', not '$prefix'"; exit 1; }
    while [ "${prefix%/}" != "$prefix" ]; do prefix=${prefix%/}; done
    echo "$prefix"
}

manifest_sum() { sha256sum <"$1" | cut -d' ' -f1; }

# Whether the file $1 is the installer's own: a plain file owned by the caller
# or root that nobody else can write, in a folder that others cannot write.
# Anyone who could change it could name any file for removal.
own_file() {
    local file=$1 dir me owner mode f
    dir=$(dirname -- "$file")
    me=$(id -u)
    [ -f "$file" ] && [ ! -L "$file" ] || return 1
    for f in "$file" "$dir"; do
        owner=$(stat -c %u -- "$f")
        [ "$owner" = "$me" ] || [ "$owner" = 0 ] || return 1
    done
    mode=$(stat -c %a -- "$file")
    (((8#$mode & 8#022) == 0)) || return 1
    mode=$(stat -c %a -- "$dir")
    (((8#$mode & 8#002) == 0)) || return 1
}

# Whether $1 lies inside the folder $2 ("" stands for "/").
inside() {
    case $1 in
    "$2"/?*) return 0 ;;
    esac
    return 1
}

# Whether the folder $1 may be taken away once empty: the prefix, a folder in
# it, or one on the way to it inside DESTDIR. Never one above those, which
# the tree only passes through.
tree_folder() {
    local dir=$1 top=$destdir$2
    plain_path "$dir" || return 1
    [ "$dir" = "$top" ] || inside "$dir" "$top" && return 0
    [ -n "$destdir" ] && inside "$top" "$dir" &&
        { [ "$dir" = "$destdir" ] || inside "$dir" "$destdir"; }
}

# Whether every folder between $2 and $1's last component is a folder of its
# own, not a link that would lead the removal elsewhere.
no_linked_folder() {
    local rest=${1#"$2"/} dir=$2
    while [ "${rest#*/}" != "$rest" ]; do
        dir=$dir/${rest%%/*}
        rest=${rest#*/}
        [ ! -L "$dir" ] || return 1
    done
}

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
    local build=$1 prefix
    prefix=$(checked_prefix "$2")
    prefix=${prefix:-/}
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
        echo "prefix=$prefix"
        echo "manifest=$(manifest_sum "$manifest")"
        for dir in "${made[@]}"; do
            if tree_folder "$dir" "${prefix%/}"; then echo "dir=$dir"; fi
        done | LC_ALL=C sort -u
    } >"$record.new"
    chmod 0644 "$record.new"
    mv "$record.new" "$record"
    refresh_caches "$manifest"
}

do_uninstall() {
    local build=$1 prefix
    prefix=$(checked_prefix "$2")
    local manifest=$build/install_manifest.txt record=$build/install_record.txt
    if [ ! -f "$manifest" ]; then
        say "nothing to remove: $manifest does not exist"
        return 0
    fi
    if [ ! -f "$record" ]; then
        say "$manifest was not written by 'make install'; nothing removed"
        exit 1
    fi
    local f
    for f in "$record" "$manifest"; do
        if ! own_file "$f"; then
            say "$f is not the installer's own (owned by someone else, or writable by others); nothing removed"
            exit 1
        fi
    done
    local installed_under
    installed_under=$(sed -n 's/^destdir=//p' "$record")
    if [ "$installed_under" != "$destdir" ]; then
        say "the install went under DESTDIR='$installed_under', not '$destdir'; nothing removed"
        exit 1
    fi
    # A record from before the prefix was noted names none.
    installed_under=$(sed -n 's/^prefix=//p' "$record")
    if [ -n "$installed_under" ] && [ "$installed_under" != "${prefix:-/}" ]; then
        say "the install went under PREFIX='$installed_under', not '${prefix:-/}'; nothing removed"
        exit 1
    fi
    if [ "$(sed -n 's/^manifest=//p' "$record")" != "$(manifest_sum "$manifest")" ]; then
        say "$manifest has changed since 'make install' wrote it; nothing removed"
        exit 1
    fi

    # Everything is checked before anything goes: a list that names one path
    # outside the tree is not the install's list.
    local top=$destdir$prefix file dir bad=0
    while IFS= read -r file || [ -n "$file" ]; do
        [ -n "$file" ] || continue
        if ! plain_path "$file" || ! inside "$destdir$file" "$top"; then
            say "'$file' lies outside ${top:-/}"
            bad=1
        elif ! no_linked_folder "$destdir$file" "$top"; then
            say "'$destdir$file' lies beyond a link to a folder"
            bad=1
        fi
    done <"$manifest"
    while IFS= read -r dir; do
        if ! tree_folder "$dir" "$prefix"; then
            say "the folder '$dir' lies outside ${top:-/}"
            bad=1
        elif inside "$dir" "$top" && ! no_linked_folder "$dir" "$top"; then
            say "the folder '$dir' lies beyond a link to a folder"
            bad=1
        fi
    done < <(sed -n 's/^dir=//p' "$record")
    if [ "$bad" != 0 ]; then
        say "$manifest or $record names what the install did not put down; nothing removed"
        exit 1
    fi

    local path
    # CMake leaves the manifest's last line without a newline.
    while IFS= read -r file || [ -n "$file" ]; do
        [ -n "$file" ] || continue
        path=$destdir$file
        if [ -L "$path" ] || [ -f "$path" ]; then
            echo "-- Removing: $path"
            rm -f -- "$path"
        elif [ -e "$path" ]; then
            say "left alone: $path is no longer a file"
        fi
    done <"$manifest"

    # Deepest first: in reverse order a folder comes before its parents.
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
uninstall) [ $# -eq 3 ] || usage; do_uninstall "$2" "$3" ;;
*) usage ;;
esac
