#!/usr/bin/env bash
# What a person does with a fresh download, scripted: unpack the tarball into
# a temporary folder, run ./install on a virtual display, accept the proposed
# folder, answer Yes to the menu and the ".DAT" questions and "Neither" at
# the end; then ask the desktop's own tools what a log is and what opens it.
# Screenshots of every window go to build/install-check/.
#   scripts/check-install.sh build/dist/Orvanta-1.0-linux-x86_64.tar.gz
set -euo pipefail

if [ -z "${DISPLAY_READY:-}" ]; then
    tarball=$(realpath "$1")
    exec env DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$tarball"
fi

tarball=$1
shots=$(pwd)/build/install-check
rm -rf "$shots" && mkdir -p "$shots"
work=$(mktemp -d /tmp/orvanta-install-check-XXXXXX)
trap 'rm -rf "$work"' EXIT
# A home of its own, as a new user has it: no ~/.local/opt, no settings.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
unset XDG_DATA_DIRS XDG_CURRENT_DESKTOP DESKTOP_SESSION
mkdir -p "$HOME" "$work/unpacked"
tar -xzf "$tarball" -C "$work/unpacked"
source_folder=$work/unpacked/Orvanta
# A user accepts the proposed ~/.local/opt/Orvanta; the administrator would be
# offered the machine's /opt/Orvanta, so the check types a folder of its own.
if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$work/opt"
    target=$work/opt/Orvanta
    folder_keys=(type --delay 20 "$target")
else
    target=$HOME/.local/opt/Orvanta
    folder_keys=()
fi

# Waits for a new window of the installer, pictures the screen, types keys into it.
answer() {
    local title=$1 shot=$2; shift 2
    local id=""
    # A window that is still there after a moment: the copy's progress window
    # comes and goes between the folder question and the first Yes/No.
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | tail -1 || true)
        if [ -n "$id" ] && [ "$id" != "${last_id:-}" ]; then
            sleep 0.3
            xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -qx "$id" && break
        fi
        id=""
        sleep 0.1
    done
    [ -n "$id" ] || { echo "check-install: no window \"$title\" for $shot" >&2; exit 1; }
    import -window root "$shots/$shot.png"
    xdotool windowfocus --sync "$id"
    if [ "$1" = type ]; then
        shift
        xdotool type "$@"
        xdotool key Return
    else
        xdotool key --delay 100 "$@"
    fi
    last_id=$id
    # The window goes away before the next one is looked for.
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -qx "$id" || break
        sleep 0.1
    done
}

(cd "$work" && "$source_folder/install") &
installer=$!
if [ ${#folder_keys[@]} -gt 0 ]; then
    answer "Orvanta Installer" 1-folder "${folder_keys[@]}"
else
    answer "Orvanta Installer" 1-folder Return
fi
answer "Orvanta Installer" 2-menu-question Return
answer "Orvanta Installer" 3-dat-question Return
answer "Orvanta Installer" 4-next-step Tab space
wait "$installer"

failed=0
expect() {
    if [ "$2" = "$3" ]; then
        echo "ok   $1: $2"
    else
        echo "FAIL $1: got \"$2\", expected \"$3\"" >&2
        failed=1
    fi
}
expect "installed program" "$(cmp -s "$source_folder/ORVXP" "$target/ORVXP" && echo same)" same
expect "installed manual" "$(test -s "$target/orvwinxpman.pdf" && echo present)" present
expect "menu entry" "$(grep -c "^Exec=\"$target/ORVXP\"" "$XDG_DATA_HOME/applications/Orvanta/Orvanta.desktop")" 1
expect "default for logs" "$(xdg-mime query default application/x-orvanta-log)" orvanta.desktop
expect "type of Sample.dat" "$(xdg-mime query filetype "$target/Sample.dat")" application/x-orvanta-log
expect "type of a log elsewhere" "$(cp "$target/Sample.dat" "$work/Other.DAT" && xdg-mime query filetype "$work/Other.DAT")" \
    application/x-orvanta-log
exit $failed
