# shellcheck shell=bash
# Shared by wine-run and wine-session (sourced, not run): the private Wine
# prefix of one build directory, the virtual display, and the Wine services
# that tests share.
#
# Everything lives in one folder per build directory, $wine_home:
#   prefix/       the WINEPREFIX
#   session.env   present while wine-session keeps the services running
#   *.log         output of the background processes
#
# No Wine process ever writes into a pipe of ours: Wine's background processes
# inherit stdio and outlive the program, so whoever reads that pipe to its end
# would wait for them. Their output goes to files. Descriptor 9 is our lock and
# is never handed to them either, or they would hold the lock on.

pivlon_scripts_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

pivlon_fail() {
    echo "wine: $*" >&2
    return 1
}

pivlon_show_log() {
    [[ -s $1 ]] && sed 's/^/    /' "$1" >&2
    return 0
}

# Sets up the environment of every Wine process for the prefix in $1.
pivlon_wine_environment() {
    wine_home=$1
    mkdir -p "$wine_home" || return 1
    export WINEPREFIX="$wine_home/prefix"
    export WINEARCH=win64
    # Debian's wine script also stays quiet about the missing 32-bit loader only with -all.
    export WINEDEBUG=-all
    # No Mono or Gecko install prompts, no menu entries written into $HOME.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine names Unix files in the locale's character set: in the C locale of
    # a bare machine no Japanese file name can be created. C.UTF-8 keeps
    # Wine's ANSI code page at 1252, as without a locale.
    case ${LC_ALL:-${LC_CTYPE:-${LANG:-C}}} in
        C | POSIX)
            if [[ -n ${LC_ALL:-} ]]; then
                export LC_ALL=C.UTF-8
            else
                export LC_CTYPE=C.UTF-8
            fi
            ;;
    esac
}

# The wine folder of the build directory that holds the program $1: the
# nearest folder above it with a CMakeCache.txt.
pivlon_wine_home_of() {
    local folder
    folder=$(dirname "$1")
    while [[ $folder != / ]]; do
        if [[ -f $folder/CMakeCache.txt ]]; then
            echo "$folder/wine"
            return 0
        fi
        folder=$(dirname "$folder")
    done
    pivlon_fail "$1 is not inside a CMake build directory; set PIVLON_WINE_HOME"
}

# Z:\ is the Unix root inside Wine.
pivlon_windows_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}

# Keeps a usable X display in DISPLAY: the caller's when it answers, else a new
# Xvfb on a free display number, whose process id goes to xvfb_pid.
pivlon_ensure_display() {
    xvfb_pid=
    if [[ -n ${DISPLAY:-} ]] && xdotool getdisplaygeometry >/dev/null 2>&1; then
        return 0
    fi
    local number_file="$wine_home/xvfb.display" number tries
    : >"$number_file"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$number_file" >"$wine_home/xvfb.log" 2>&1 </dev/null 9>&- &
    xvfb_pid=$!
    # Xvfb writes the display number, then a line break, once it accepts clients.
    for ((tries = 0; tries < 200; tries++)); do
        if read -r number <"$number_file" && [[ -n $number ]]; then
            export DISPLAY=":$number"
            return 0
        fi
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            pivlon_show_log "$wine_home/xvfb.log"
            xvfb_pid=
            pivlon_fail "Xvfb did not start"
            return 1
        fi
        sleep 0.05
    done
    pivlon_stop_xvfb
    pivlon_fail "Xvfb gave no display number within 10 s"
}

pivlon_stop_xvfb() {
    if pivlon_is_running "${xvfb_pid:-}" Xvfb; then
        kill "$xvfb_pid"
        pivlon_wait_for_exit "$xvfb_pid" Xvfb
    fi
    xvfb_pid=
}

# A process id read back from session.env may have been handed on to another
# program meanwhile: it counts only while it still runs the program named.
pivlon_is_running() {
    [[ -n $1 && $(cat "/proc/$1/comm" 2>/dev/null) == "$2"* ]]
}

# Waits up to 10 s for process $1 running program $2, then kills it.
pivlon_wait_for_exit() {
    local tries
    for ((tries = 0; tries < 200; tries++)); do
        pivlon_is_running "$1" "$2" || return 0
        sleep 0.05
    done
    kill -KILL "$1" 2>/dev/null
    return 0
}

# Creates the prefix on first use and imports our registry settings whenever
# they are new or have changed. Only while no wineserver of ours runs: it
# waits for the server to end so that the registry is on disk.
pivlon_ensure_prefix() {
    local settings="$pivlon_scripts_dir/wine-settings.reg"
    local imported="$wine_home/settings-imported.reg"
    local ready="$wine_home/prefix.ready"
    if [[ ! -f $ready ]]; then
        rm -rf "$WINEPREFIX" "$imported"
        echo "wine: creating the Wine prefix $WINEPREFIX" >&2
        if ! wineboot -i >"$wine_home/wineboot.log" 2>&1 </dev/null 9>&-; then
            pivlon_show_log "$wine_home/wineboot.log"
            pivlon_fail "wineboot -i failed"
            return 1
        fi
        wineserver -w
        touch "$ready"
    fi
    cmp -s "$settings" "$imported" && return 0
    # reg import reads non-ASCII names only from UTF-16LE with a byte-order mark.
    local utf16="$wine_home/settings-utf16.reg"
    { printf '\xff\xfe' && iconv -f UTF-8 -t UTF-16LE "$settings"; } >"$utf16" || return 1
    if ! wine reg import "$(pivlon_windows_path "$utf16")" >"$wine_home/reg.log" 2>&1 \
        </dev/null 9>&-; then
        pivlon_show_log "$wine_home/reg.log"
        pivlon_fail "importing $settings failed"
        return 1
    fi
    wineserver -w
    cp "$settings" "$imported"
}

# Starts what Wine programs share: display, prefix, one persistent wineserver
# and the desktop process. Sets xvfb_pid and wineserver_pid.
pivlon_start_services() {
    pivlon_ensure_display || return 1
    if ! pivlon_ensure_prefix; then
        pivlon_stop_xvfb
        return 1
    fi
    setsid wineserver -f -p >"$wine_home/wineserver.log" 2>&1 </dev/null 9>&- &
    wineserver_pid=$!
    # The desktop started by a test program would inherit its stdio, and
    # WaitForInputIdle is only reliable once the desktop exists.
    if ! wine rundll32.exe user32.dll,GetDesktopWindow >"$wine_home/desktop.log" 2>&1 \
        </dev/null 9>&-; then
        pivlon_show_log "$wine_home/desktop.log"
        pivlon_stop_services
        pivlon_fail "the Wine desktop did not start"
        return 1
    fi
    # Ours ends at once when another wineserver already serves this prefix.
    if ! pivlon_is_running "$wineserver_pid" wineserver; then
        pivlon_show_log "$wine_home/wineserver.log"
        wineserver_pid=
        pivlon_stop_services
        pivlon_fail "another wineserver runs for $WINEPREFIX"
        return 1
    fi
}

# Stops exactly what pivlon_start_services started: the wineserver of our own
# prefix, which ends every Wine process in it, and our Xvfb.
pivlon_stop_services() {
    if pivlon_is_running "${wineserver_pid:-}" wineserver; then
        wineserver -k 2>/dev/null
        pivlon_wait_for_exit "$wineserver_pid" wineserver
    fi
    wineserver_pid=
    pivlon_stop_xvfb
}

pivlon_save_session() {
    printf '%s\n%s\n%s\n' "$DISPLAY" "$xvfb_pid" "$wineserver_pid" >"$wine_home/session.env"
}

# Reads what wine-session started into session_display, session_xvfb_pid and
# session_wineserver_pid, whether or not it still runs.
pivlon_read_session() {
    [[ -f $wine_home/session.env ]] &&
        { read -r session_display && read -r session_xvfb_pid &&
            read -r session_wineserver_pid; } <"$wine_home/session.env"
}

# Joins the services that wine-session keeps running, when they still run.
pivlon_join_session() {
    pivlon_read_session && pivlon_is_running "$session_wineserver_pid" wineserver || return 1
    export DISPLAY=$session_display
}
