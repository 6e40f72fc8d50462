#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tessary Extractor.
# Without a Quorvelin folder where the tool looks for it by default
# (Documents/Quorvelin), the tool starts in a demo sandbox below the build
# folder: its own HOME with a host folder that holds Skins/ and a sample
# host settings.xml, so the whole job can be tried at once.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
mkdir -p "$root/build"
bash "$root/scripts/build.sh" "$root/build/release"
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
mkdir -p "$host/Skins" "$sandbox/Documents/TYX" "$sandbox/.config"

if [ ! -f "$host/settings.xml" ]; then
  # The host's record of the built-in "Demo 1" layout (1920 x 1080), in the
  # host's own file layout; a small layout of our own when it is not there.
  demo="$root/resources/Demo 1.xml"
  variables='$QRN_volume=0=1.00000, $TYX_JOGFull=0=1.00000, $TYX_PITCHFull=0=1.00000, $TYX_DECKGROUP1_clone=0=1.00000'
  windows='   <window name="Tessary:skin">
    <idx1 visible="yes" x="0" y="0" width="1920" height="40"/>
    <idx2 visible="yes" x="0" y="40" width="1920" height="60"/>
    <idx4 visible="yes" x="778" y="181" width="366" height="348"/>
    <idx30 visible="yes" x="240" y="200" width="120" height="300"/>
    <idx40 visible="yes" x="1560" y="200" width="120" height="300"/>
    <idx208 visible="yes" x="0" y="182" width="781" height="345"/>
    <idx210 visible="yes" x="10" y="189" width="546" height="126"/>
   </window>'
  if [ -f "$demo" ] && grep -q '<window ' "$demo"; then
    variables=$(sed -n 's:.*<QRNScriptGlobalVariables>\(.*\)</QRNScriptGlobalVariables>.*:\1:p' "$demo" | tr -d '\r')
    windows=$(sed -n '/<window /,/<\/window>/p' "$demo" | tr -d '\r')
  fi
  {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<settings>'
    echo ' <screenwidth>1920</screenwidth>'
    echo ' <screenheight>1080</screenheight>'
    echo ' <options>'
    echo "  <QRNScriptGlobalVariables>$variables</QRNScriptGlobalVariables>"
    echo ' </options>'
    echo ' <skins>'
    echo '  <skinWindows>'
    echo "$windows"
    echo '  </skinWindows>'
    echo ' </skins>'
    echo '</settings>'
  } | sed 's/$/\r/' > "$host/settings.xml"
fi

settings="$sandbox/Documents/TYX/settings.tyx"
if [ ! -f "$settings" ]; then
  printf '%s\r\n' \
    "qrnfolder,$host" \
    "tyname,Tessary" \
    "colorprofile,last_used" \
    "gradience,0" \
    "colorprofilepath,$sandbox/Documents/TYX/profiles/last_used.tycp" \
    "projectname,Default (from Quorvelin settings)" \
    "projectpath,$host/settings.xml" \
    "skinname,My Skin" \
    maintab,0 buttonstab,0 dropstab,0 faderstab,0 jogstab,0 vustab,0 wavestab,0 textstab,0 knobstab,0 \
    browseroption,0 iconoption,0 > "$settings"
fi

# The X server's cookie stays where the real HOME keeps it.
export XAUTHORITY="${XAUTHORITY:-$HOME/.Xauthority}"
export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/.config"
exec "$program"
