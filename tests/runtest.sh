#!/usr/bin/env bash
# runtest.sh gui|logic PROGRAM [ARGS...]
# Runs one test program with a temporary HOME (holding an empty Documents
# folder), so nothing touches the real user's files, and removes it after.
set -u
kind=$1; shift
home=$(mktemp -d "${TMPDIR:-/tmp}/tyx-test-home.XXXXXX")
mkdir -p "$home/Documents"
export HOME=$home
export XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache
export XDG_RUNTIME_DIR=$home/.runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset XDG_DOCUMENTS_DIR
# The tests expect an unscaled 1920 x 1080 desktop at the platform's own DPI
# and Qt's own style: a user's display scaling, font DPI or desktop theme
# would change window layouts and the desktop size the tool reads.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
      QT_SCALE_FACTOR_ROUNDING_POLICY QT_DEVICE_PIXEL_RATIO QT_FONT_DPI QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE
# A test that is about other font DPIs asks for one through TYX_TEST_FONT_DPI.
if [ -n "${TYX_TEST_FONT_DPI:-}" ]; then
  export QT_FONT_DPI=$TYX_TEST_FONT_DPI
fi
# A test function that hangs (a dialog nobody answers) fails after two
# minutes instead of Qt's default five.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-120000}
if [ "$kind" = gui ]; then
  export QT_QPA_PLATFORM=xcb
  # A test that is about another desktop size asks for one through
  # TYX_TEST_SCREEN (width x height x depth).
  # A test that is about window frames and the room a desktop panel takes
  # asks for a window manager through TYX_TEST_WM: openbox, with a panel's
  # strip along the top of the screen and a dock's along its left.
  run=("$@")
  if [ -n "${TYX_TEST_WM:-}" ]; then
    mkdir -p "$XDG_CONFIG_HOME/openbox"
    cat > "$XDG_CONFIG_HOME/openbox/rc.xml" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>30</top><left>20</left><right>0</right><bottom>0</bottom></margins>
  <desktops><number>1</number></desktops>
</openbox_config>
RC
    run=(bash "$(dirname "$0")/underwm.sh" "$@")
  fi
  xvfb-run -a -s "-screen 0 ${TYX_TEST_SCREEN:-1920x1080x24} -nolisten tcp" "${run[@]}"
else
  export QT_QPA_PLATFORM=offscreen
  "$@"
fi
rc=$?
rm -rf "$home"
exit $rc
