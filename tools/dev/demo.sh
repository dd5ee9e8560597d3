#!/usr/bin/env bash
# Sets up, builds and starts Lalora on its bundled demo content.
set -euo pipefail
here="$(dirname "$0")"
bash "$here/install-deps.sh"
bash "$here/build.sh"
exec "$here/../../build/program/lalora"
