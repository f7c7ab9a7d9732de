#!/usr/bin/env bash
# Builds the skin tool and the sample skin, then shows what the sample skin holds.
set -eu
cd "$(dirname "$0")"
scripts/deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target skintool sample_skin >/dev/null
build/native/bin/skintool dump build/native/skins/sample.mvx
