#!/usr/bin/env bash
# GNOME 43 on X11: gnome-shell as the window manager of an Xvfb display (see gnome_wayland.sh).
SESSION=gnome-x11 GNOME_VARIANT=x11 exec bash "$(dirname "$0")/gnome_wayland.sh" "$@"
