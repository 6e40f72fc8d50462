#!/usr/bin/env bash
# demohome.sh HOME_DIR: fills HOME_DIR as the home of a demo user, so the
# tool can be tried without the host: a host folder (Documents/Quorvelin)
# that holds Skins/ and a sample host settings.xml, and the tool's own
# settings pointing at it. Files already there are kept.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
sandbox=$1
host="$sandbox/Documents/Quorvelin"
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
