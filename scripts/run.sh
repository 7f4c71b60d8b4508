#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
if [ -x build/bin/qrt506 ]; then
    exec build/bin/qrt506 "$@"
fi
# Until the windows exist, show the untitled data the program starts with.
exec build/bin/qrt506-cli dump "$@"
