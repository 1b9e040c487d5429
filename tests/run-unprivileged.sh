#!/usr/bin/env bash
# Runs a test as an unprivileged user when started as root (root writes into
# read-only folders, so permission failures can only be seen by an ordinary user).
set -euo pipefail
if [ "$(id -u)" -eq 0 ]; then
    export HOME=/tmp
    exec setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
fi
exec "$@"
