# Shared by the scripts that run Windows programs under Wine (source it, do not run it): the
# environment every Wine run here uses, the making and ending of private Wine prefixes, and the
# reading of a test program's log.
#
#   . scripts/wine-prefix.sh
#   kovra_require_wine; kovra_wine_environment
#   kovra_start_workspace my-tests            # $work, and $template: a booted prefix to copy
#   cp -a "$template" "$work/run"; WINEPREFIX=$work/run wine program.exe
#   kovra_stop_server "$work/run"            # the workspace ends every server at exit

# Checks that the Wine commands exist; exits 2 naming the package when one is missing.
kovra_require_wine() {
  local tool
  for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || {
      echo "$tool not found (Debian package wine; scripts/install-deps.sh installs it)" >&2
      exit 2
    }
  done
}

# Quiet 64-bit Wine without an X server, and without the Mono and Gecko installers that
# nothing here needs.
kovra_wine_environment() {
  export WINEDEBUG=-all
  export WINEARCH=win64
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY WAYLAND_DISPLAY
}

# kovra_make_prefix PREFIX: boots a new prefix with Wine's null display driver (windows, EDIT
# controls, message boxes and the clipboard work without an X server), tells the X11 driver
# not to wait for a window manager when a top-level window closes, and reports a crash with
# its backtrace on the console instead of a dialog nobody would close. Ends the prefix's
# server. Wine's output goes to PREFIX.log; returns non-zero when the prefix could not be made.
kovra_make_prefix() {
  local prefix=$1
  in_new_prefix() { env WINEPREFIX="$prefix" LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$@"; }
  {
    in_new_prefix wineboot --init &&
      in_new_prefix wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f &&
      in_new_prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
      in_new_prefix wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
      in_new_prefix wineserver -k
  } </dev/null >"$prefix.log" 2>&1
}

# Ends the wineserver of one prefix (and so every Wine process in it).
kovra_stop_server() {
  WINEPREFIX="$1" wineserver -k >/dev/null 2>&1 || true
}

# kovra_use_x11_driver PREFIX: Wine's X11 driver draws in PREFIX from now on (programs whose
# pixels are read need it), its output going to PREFIX.log. The prefix's server is ended, so
# that the next program starts one on the display it is given: a server started without a
# display keeps a driver that makes no windows.
kovra_use_x11_driver() {
  local status=0
  WINEPREFIX="$1" wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f \
    </dev/null >>"$1.log" 2>&1 || status=$?
  kovra_stop_server "$1"
  return "$status"
}

# kovra_start_workspace NAME: a temporary folder for this invocation's prefixes and logs
# ($work), and in it a booted prefix that each run copies ($template). At exit every prefix's
# server is ended and the folder removed, unless KOVRA_WINE_KEEP=1 keeps it (its path is
# printed). Exits 1 when the prefix cannot be made.
kovra_start_workspace() {
  kovra_workspace_name=$1
  work=$(mktemp -d "${TMPDIR:-/tmp}/kovra-$1.XXXXXX")
  trap kovra_end_workspace EXIT
  template=$work/template
  local begun=$SECONDS
  kovra_make_prefix "$template" || {
    echo "$1: could not create a Wine prefix:" >&2
    cat "$template.log" >&2
    exit 1
  }
  echo "$1: prefix ready in $((SECONDS - begun)) s"
}

kovra_end_workspace() {
  local prefix
  for prefix in "$work"/*/; do
    [ -f "$prefix/system.reg" ] && kovra_stop_server "${prefix%/}"
  done
  if [ "${KOVRA_WINE_KEEP:-0}" = 1 ]; then
    echo "$kovra_workspace_name: prefixes and logs kept in $work"
  else
    rm -rf "$work"
  fi
}

# kovra_failed_tests LOG: each failed test of a GoogleTest log (CR LF removed) with its messages.
kovra_failed_tests() {
  awk '/^\[ RUN      \]/ { block = $0 "\n"; next }
       /^\[       OK \]/ { block = ""; next }
       /^\[  FAILED  \].*\([0-9]+ ms\)$/ { printf "%s%s\n", block, $0; block = ""; next }
       { block = block $0 "\n" }' "$1"
}
