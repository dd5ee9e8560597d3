#!/usr/bin/env bash
# Sets up, builds and runs every test (windows go to a virtual X display).
set -euo pipefail
here="$(dirname "$0")"
bash "$here/install-deps.sh"
bash "$here/build.sh"
cd "$here/../../build"
# -noreset: the server must not restart (and refuse clients) each time its last client leaves.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure --timeout 600
