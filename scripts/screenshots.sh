#!/usr/bin/env bash
# Redraws the pictures of the windows shown in the README, without a screen.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target screenshot
QT_QPA_PLATFORM=offscreen build/screenshot main docs/main-window.png
QT_QPA_PLATFORM=offscreen build/screenshot splash docs/splash.png
QT_QPA_PLATFORM=offscreen build/screenshot game docs/game.png
