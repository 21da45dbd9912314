#!/usr/bin/env bash
# Runs the end-to-end driver under Wine in the prefix and Xvfb that fixture.sh set up.
#   run-driver.sh --state DIR --screen WxH --timeout SECONDS --work NAME
#                 [--home empty|alsa-null] [--env NAME=VALUE]... -- DRIVER.exe ARGS...
# Arguments after DRIVER.exe that are absolute Unix paths are handed over as Wine (Z:) paths.
# The driver gets --work with a fresh scratch folder STATEDIR/work/NAME. When the time is up,
# or the driver fails, every process of the prefix is ended so that nothing is left running.
# Wine hands a child process the Unix environment of its parent, so what the program's Unix
# side reads (HOME for ALSA's ~/.asoundrc, LANG for the locale) is set here for the whole run:
#   --home empty       HOME is an empty folder: ALSA finds no device (unless the machine has one)
#   --home alsa-null   HOME/.asoundrc makes ALSA's null output the default device
set -uo pipefail
here=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tools/e2e/wine-env.sh
source "$here/wine-env.sh"

state="" screen="" limit="" work="" home=""
extra_env=()
while [[ $# -gt 0 ]]; do
    case $1 in
    --state) state=$2; shift 2 ;;
    --screen) screen=$2; shift 2 ;;
    --timeout) limit=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --home) home=$2; shift 2 ;;
    --env) extra_env+=("$2"); shift 2 ;;
    --) shift; break ;;
    *) echo "run-driver.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
[[ -n $state && -n $screen && -n $limit && -n $work && $# -ge 1 ]] || {
    echo "usage: $0 --state DIR --screen WxH --timeout S --work NAME -- DRIVER.exe ARGS..." >&2
    exit 2
}
driver=$1
shift

e2e_wine_env "$state/prefix"
[[ -f $WINEPREFIX/.e2e-ready ]] || {
    e2e_log "no prepared Wine prefix in $WINEPREFIX (the e2e.setup fixture makes it)"
    exit 1
}
e2e_use_xvfb "$state" || exit 1
e2e_set_desktop_size "$screen" || exit 1

workdir=$state/work/$work
rm -rf -- "$workdir"
mkdir -p -- "$workdir"

if [[ -n $home ]]; then
    e2e_use_home "$workdir/home" "$home" || exit 2
fi
for assignment in "${extra_env[@]}"; do
    export "${assignment?}"
done

args=()
for arg in "$@"; do
    if [[ $arg == /* ]]; then args+=("$(e2e_winpath "$arg")"); else args+=("$arg"); fi
done

timeout --kill-after=5 "$limit" wine "$driver" --work "$(e2e_winpath "$workdir")" "${args[@]}"
status=$?
if [[ $status -eq 124 || $status -eq 137 ]]; then
    e2e_log "the driver ran past $limit s"
fi
if [[ $status -ne 0 ]]; then
    e2e_log "ending every process of $WINEPREFIX"
    e2e_stop_wineserver
fi
exit "$status"
