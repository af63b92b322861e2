#!/usr/bin/env bash
# Plasma 5.27 on X11 (see plasma_wayland.sh).
SESSION=plasma-x11 PLASMA_VARIANT=x11 exec bash "$(dirname "$0")/plasma_wayland.sh" "$@"
