#!/usr/bin/env bash
# Runs a Windows program under the project's own Wine prefix (CMake's emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
tervane_ensure_prefix
exec wine "$@"
