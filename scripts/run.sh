#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
# Without a display the window opens on the offscreen platform (nothing is shown).
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: starting on the offscreen platform (QT_QPA_PLATFORM=offscreen)." >&2
    export QT_QPA_PLATFORM=offscreen
fi
exec build/bin/qrt506 "$@"
