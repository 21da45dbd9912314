# shellcheck shell=bash
# Shared Wine/Xvfb helpers for running soundcheck.exe on Linux.  Source this
# file from bash; it defines functions only and changes nothing by itself.
#
#   e2e_wine_env PREFIX          export WINEPREFIX, WINEARCH, WINEDEBUG,
#                                WINEDLLOVERRIDES (mscoree,mshtml off) and a
#                                zh_CN.UTF-8 locale, so GetACP() is 936 (GBK).
#   e2e_ensure_prefix PREFIX     create PREFIX once (wineboot -i) with the crash
#                                dialog off, Marlett registered and a virtual
#                                desktop "Default" of 1024x768; later calls
#                                return at once.  Serialised with flock.
#   e2e_set_desktop_size WxH     size of the virtual desktop of $WINEPREFIX; ends
#                                that prefix's wineserver when the size changes,
#                                since the desktop takes its size when created.
#   e2e_stop_wineserver          end the wineserver of $WINEPREFIX (only it).
#   e2e_start_xvfb STATEDIR [WxHxD]
#                                start Xvfb on a free display, export DISPLAY,
#                                remember pid and display in STATEDIR.
#   e2e_use_xvfb STATEDIR        export DISPLAY of an Xvfb started before.
#   e2e_stop_xvfb STATEDIR       stop that Xvfb (by its remembered pid).
#   e2e_winpath UNIXPATH         print the Z: path Wine maps UNIXPATH to.
#   e2e_use_home DIR KIND        make DIR a fresh home folder and export HOME=DIR;
#                                KIND empty: ALSA finds no device there (unless
#                                the machine has one), alsa-null: ~/.asoundrc
#                                makes ALSA's null output the default device.
#   e2e_wait_for TIMEOUT_S CMD.. poll CMD (every 0.1 s) until it succeeds or the
#                                time is up; returns 1 on time-out.
#
# Packages: wine, wine64, fonts-wine (Marlett), fonts-wqy-microhei, xvfb,
# x11-utils (xdpyinfo), locales with zh_CN.UTF-8 generated.

e2e_log() {
    printf '[e2e] %s\n' "$*" >&2
}

e2e_wait_for() {
    local timeout_s=$1
    shift
    local deadline=$((SECONDS + timeout_s))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.1
    done
}

e2e_use_home() {
    local dir=$1 kind=$2
    case $kind in
    empty | alsa-null) ;;
    *)
        e2e_log "unknown home kind '$kind'"
        return 2
        ;;
    esac
    rm -rf -- "${dir:?}"
    mkdir -p -- "$dir"
    if [[ $kind == alsa-null ]]; then
        printf 'pcm.!default { type null }\n' >"$dir/.asoundrc"
    fi
    export HOME=$dir
}

e2e_winpath() {
    local p
    p=$(realpath -m -- "$1")
    printf 'Z:%s\n' "${p//\//\\}"
}

e2e_wine_env() {
    export WINEPREFIX=$1
    export WINEARCH=win64
    export WINEDEBUG=${E2E_WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=zh_CN.UTF-8
    export LC_ALL=zh_CN.UTF-8
}

# `wine reg` prints in the caller's locale; keep its output ASCII.
e2e_wine_reg() {
    LC_ALL=C LANG=C wine reg "$@" >/dev/null
}

e2e_stop_wineserver() {
    [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
    wineserver -k >/dev/null 2>&1 || true
    timeout 20 wineserver -w >/dev/null 2>&1 || true
}

e2e__write_desktop_size() {
    e2e_wine_reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$1" /f
    printf '%s\n' "$1" >"$WINEPREFIX/.e2e-desktop-size"
}

e2e_set_desktop_size() {
    local size=$1
    [[ $size =~ ^[0-9]+x[0-9]+$ ]] || {
        e2e_log "bad desktop size '$size'"
        return 2
    }
    local current=""
    [[ -f $WINEPREFIX/.e2e-desktop-size ]] && current=$(<"$WINEPREFIX/.e2e-desktop-size")
    [[ $current == "$size" ]] && return 0
    e2e__write_desktop_size "$size"
    e2e_stop_wineserver
}

e2e__create_prefix() {
    local marlett=/usr/share/wine/fonts/marlett.ttf
    [[ -f $marlett ]] || {
        e2e_log "missing $marlett (Debian package fonts-wine)"
        return 1
    }
    # Only a folder that this file started (or an empty one) is wiped.
    if [[ -d $WINEPREFIX && ! -f $WINEPREFIX/.e2e-partial ]] &&
        [[ -n $(ls -A -- "$WINEPREFIX") ]]; then
        e2e_log "$WINEPREFIX exists and was not made here; not touching it"
        return 1
    fi
    e2e_log "creating Wine prefix $WINEPREFIX"
    rm -rf -- "$WINEPREFIX"
    mkdir -p -- "$WINEPREFIX"
    touch "$WINEPREFIX/.e2e-partial"
    # A first start of Wine on a busy machine now and then leaves a prefix whose kernel32.dll
    # will not load; one more try from scratch has always been enough.
    local try
    for try in 1 2; do
        if timeout 180 wineboot -i >/dev/null 2>&1 && timeout 60 wine cmd /c exit >/dev/null 2>&1; then
            break
        fi
        e2e_log "wineboot -i failed (try $try)"
        e2e_stop_wineserver
        ((try == 2)) && return 1
        find "$WINEPREFIX" -mindepth 1 -maxdepth 1 ! -name .e2e-partial -exec rm -rf -- {} +
    done
    local reg="$WINEPREFIX/.e2e-setup.reg"
    cat >"$reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1024x768"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]
"Marlett (TrueType)"="$(e2e_winpath "$marlett" | sed 's/\\/\\\\/g')"
EOF
    LC_ALL=C LANG=C timeout 60 wine regedit /S "$(e2e_winpath "$reg")" >/dev/null 2>&1 || {
        e2e_log "importing $reg failed"
        return 1
    }
    printf '1024x768\n' >"$WINEPREFIX/.e2e-desktop-size"
    e2e_stop_wineserver
    rm -f -- "$WINEPREFIX/.e2e-partial"
    touch "$WINEPREFIX/.e2e-ready"
}

e2e_ensure_prefix() {
    e2e_wine_env "$1"
    mkdir -p -- "$(dirname -- "$WINEPREFIX")"
    (
        flock -w 300 9 || {
            e2e_log "timed out waiting for the lock on $WINEPREFIX"
            exit 1
        }
        [[ -f $WINEPREFIX/.e2e-ready ]] || e2e__create_prefix
    ) 9>"$WINEPREFIX.lock"
}

e2e__display_free() {
    [[ ! -e /tmp/.X$1-lock && ! -e /tmp/.X11-unix/X$1 ]]
}

e2e_start_xvfb() {
    local statedir=$1 screen=${2:-1600x1000x24}
    mkdir -p -- "$statedir"
    if [[ -f $statedir/xvfb.pid ]] && kill -0 "$(<"$statedir/xvfb.pid")" 2>/dev/null; then
        e2e_use_xvfb "$statedir"
        return 0
    fi
    local n
    for n in $(seq 90 190); do
        e2e__display_free "$n" || continue
        Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset </dev/null >"$statedir/xvfb.log" 2>&1 &
        local pid=$!
        if e2e_wait_for 10 xdpyinfo -display ":$n"; then
            printf '%s\n' "$pid" >"$statedir/xvfb.pid"
            printf ':%s\n' "$n" >"$statedir/xvfb.display"
            export DISPLAY=":$n"
            return 0
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    e2e_log "could not start Xvfb (see $statedir/xvfb.log)"
    return 1
}

e2e_use_xvfb() {
    local statedir=$1
    [[ -f $statedir/xvfb.display ]] || {
        e2e_log "no Xvfb recorded in $statedir"
        return 1
    }
    DISPLAY=$(<"$statedir/xvfb.display")
    export DISPLAY
    xdpyinfo >/dev/null 2>&1 || {
        e2e_log "Xvfb on $DISPLAY does not answer"
        return 1
    }
}

e2e_stop_xvfb() {
    local statedir=$1 pid
    [[ -f $statedir/xvfb.pid ]] || return 0
    pid=$(<"$statedir/xvfb.pid")
    if kill "$pid" 2>/dev/null; then
        e2e_wait_for 10 bash -c "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f -- "$statedir/xvfb.pid" "$statedir/xvfb.display"
}
