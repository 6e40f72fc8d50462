#!/usr/bin/env bash
# underwm.sh PROGRAM [ARGS...]: runs one test program on the current X
# display under a window manager, openbox, which frames its windows and,
# through the margins of the rc.xml in $XDG_CONFIG_HOME/openbox, keeps a
# strip of the screen free as a desktop panel would. Waits until openbox
# manages the screen and publishes its work area, and stops it after.
set -u
openbox --config-file "$XDG_CONFIG_HOME/openbox/rc.xml" &
wm=$!
up=""
for _ in $(seq 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" \
     && xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= "; then
    up=yes
    break
  fi
  kill -0 "$wm" 2>/dev/null || break
  sleep 0.05
done
if [ -z "$up" ]; then
  echo "underwm.sh: openbox did not start" >&2
  kill "$wm" 2>/dev/null
  exit 1
fi
"$@"
rc=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $rc
