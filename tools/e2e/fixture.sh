#!/usr/bin/env bash
# ctest fixture of the end-to-end tests.
#   fixture.sh setup STATEDIR     start Xvfb, create the Wine prefix STATEDIR/prefix once
#   fixture.sh cleanup STATEDIR   end the prefix's wineserver and the Xvfb
#   fixture.sh prefix PREFIX      create the Wine prefix PREFIX once (no display needed)
set -euo pipefail
here=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tools/e2e/wine-env.sh
source "$here/wine-env.sh"

[[ $# -eq 2 ]] || {
    echo "usage: $0 setup|cleanup STATEDIR | prefix PREFIX" >&2
    exit 2
}
action=$1 state=$2

case $action in
setup)
    if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
        e2e_log "locale zh_CN.UTF-8 is not generated (tools/install-deps does it)"
        exit 1
    fi
    mkdir -p -- "$state"
    e2e_start_xvfb "$state"
    e2e_log "Xvfb on $DISPLAY"
    e2e_ensure_prefix "$state/prefix"
    e2e_log "Wine prefix $WINEPREFIX ready"
    ;;
prefix)
    e2e_ensure_prefix "$state"
    e2e_stop_wineserver
    ;;
cleanup)
    e2e_wine_env "$state/prefix"
    e2e_stop_wineserver
    e2e_stop_xvfb "$state"
    ;;
*)
    echo "unknown action $action" >&2
    exit 2
    ;;
esac
