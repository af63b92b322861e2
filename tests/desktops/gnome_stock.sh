#!/usr/bin/env bash
# Stock GNOME 43 on Wayland: no extension, no tray host (see gnome_wayland.sh).
SESSION=gnome-stock GNOME_VARIANT=stock exec bash "$(dirname "$0")/gnome_wayland.sh" "$@"
