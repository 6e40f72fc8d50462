#!/usr/bin/env bash
# Installs what is missing, builds the program (and only the program: the
# tests build with scripts/test.sh), and starts Tessary Extractor.
# Without a Quorvelin folder where the tool looks for it by default
# (Documents/Quorvelin), the tool starts in a demo sandbox below the build
# folder: its own HOME with a host folder that holds Skins/ and a sample
# host settings.xml, so the whole job can be tried at once.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
mkdir -p "$root/build"
bash "$root/scripts/build.sh" "$root/build/release" --target tessary-extractor
program="$root/build/release/app/tessary-extractor"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tessary Extractor needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
  exit 1
fi

documents=$(xdg-user-dir DOCUMENTS 2>/dev/null || true)
[ -n "$documents" ] && [ "$documents" != "$HOME" ] || documents="$HOME/Documents"
if [ -d "$documents/Quorvelin" ]; then
  exec "$program"
fi

sandbox="$root/build/demo-home"
host="$sandbox/Documents/Quorvelin"
echo "No Quorvelin folder found at $documents/Quorvelin."
echo "Starting in a demo sandbox: HOME=$sandbox, host folder $host"
echo "New skins are written to $host/Skins/."
bash "$root/scripts/demohome.sh" "$sandbox"

# The X server's cookie stays where the real HOME keeps it.
export XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}"
export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/.config"
exec "$program"
