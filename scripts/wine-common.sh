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

# Debian's /usr/bin/wine starts every program through the 32-bit loader once
# wine32 is installed, even in the middle of a run. Each program is started by
# the loader of its own architecture instead, so that what runs does not
# depend on what is being installed meanwhile.
pivlon_wine64=/usr/lib/wine/wine64
pivlon_wine32=/usr/lib/wine/wine

# Where the harness reports its own failures: standard error, unless the caller
# chose another descriptor (wine-run reports on standard output, which CTest's
# test discovery shows with its error).
pivlon_report_fd=2

# A failure of the harness: one line, then the log that explains it.
pivlon_fail() {
    echo "wine: $1" >&"$pivlon_report_fd"
    [[ -n ${2:-} ]] && pivlon_show_log "$2"
    return 1
}

pivlon_show_log() {
    if [[ -s $1 ]]; then
        echo "  log $1:" >&"$pivlon_report_fd"
        sed 's/^/    /' "$1" >&"$pivlon_report_fd"
    fi
    return 0
}

# Sets up the environment of every Wine process for the prefix in $1.
pivlon_wine_environment() {
    wine_home=$1
    mkdir -p "$wine_home" || return 1
    export WINEPREFIX="$wine_home/prefix"
    export WINEARCH=win64
    # A 64-bit program starting a 32-bit one finds that loader beside this one.
    export WINELOADER=$pivlon_wine64
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

# Sets pivlon_loader to the loader for the Windows program $1, chosen by the
# machine field of its PE header.
pivlon_choose_loader() {
    local header_offset machine
    header_offset=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
    [[ -n $header_offset ]] && machine=$(od -An -t x2 -j $((header_offset + 4)) -N 2 "$1" |
        tr -d ' ')
    case ${machine:-} in
        8664) pivlon_loader=$pivlon_wine64 ;;
        014c)
            pivlon_loader=$pivlon_wine32
            [[ -x $pivlon_loader ]] ||
                pivlon_fail "$1 is a 32-bit program and the 32-bit Wine is missing (wine32:i386)"
            ;;
        *) pivlon_fail "$1 is not a Windows program for x86 or x86-64" ;;
    esac
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
            xvfb_pid=
            pivlon_fail "the virtual display (Xvfb) did not start" "$wine_home/xvfb.log"
            return 1
        fi
        sleep 0.05
    done
    pivlon_stop_xvfb
    pivlon_fail "the virtual display (Xvfb) gave no display number within 10 s" \
        "$wine_home/xvfb.log"
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

# True when the prefix can run what this machine's Wine can run: a prefix made
# before the 32-bit Wine was installed has an empty syswow64 and runs no 32-bit
# program.
pivlon_prefix_is_current() {
    [[ -f $wine_home/prefix.ready ]] || return 1
    [[ ! -x $pivlon_wine32 || -f $WINEPREFIX/drive_c/windows/syswow64/kernel32.dll ]]
}

# Creates the prefix on first use, or anew when it is not current, and imports
# our registry settings whenever they are new or have changed. Only while no
# wineserver of ours runs: it waits for the server to end so that the registry
# is on disk.
pivlon_ensure_prefix() {
    local settings="$pivlon_scripts_dir/wine-settings.reg"
    local imported="$wine_home/settings-imported.reg"
    if ! pivlon_prefix_is_current; then
        rm -rf "$WINEPREFIX" "$imported" "$wine_home/prefix.ready"
        echo "wine: creating the Wine prefix $WINEPREFIX" >&2
        # Through Debian's wine, which takes the 32-bit loader where it is
        # installed: only then does the prefix get its 32-bit half.
        if ! wine wineboot.exe -i >"$wine_home/wineboot.log" 2>&1 </dev/null 9>&-; then
            pivlon_fail "the Wine prefix $WINEPREFIX could not be made (wineboot -i failed)" \
                "$wine_home/wineboot.log"
            return 1
        fi
        wineserver -w
        touch "$wine_home/prefix.ready"
    fi
    cmp -s "$settings" "$imported" && return 0
    # reg import reads non-ASCII names only from UTF-16LE with a byte-order mark.
    local utf16="$wine_home/settings-utf16.reg"
    { printf '\xff\xfe' && iconv -f UTF-8 -t UTF-16LE "$settings"; } >"$utf16" || return 1
    if ! "$pivlon_wine64" reg.exe import "$(pivlon_windows_path "$utf16")" \
        >"$wine_home/reg.log" 2>&1 </dev/null 9>&-; then
        pivlon_fail "importing $settings into the Wine prefix failed" "$wine_home/reg.log"
        return 1
    fi
    wineserver -w
    cp "$settings" "$imported"
}

# The process id of the wineserver that serves our prefix: it works in a
# folder named after the prefix's device and inode, and in the prefix itself
# while it loads or saves the registry (as it does right after it starts).
pivlon_prefix_server_pid() {
    local folder prefix pid cwd
    folder=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX")) || return 1
    prefix=$(realpath "$WINEPREFIX") || return 1
    for pid in /proc/[0-9]*; do
        pid=${pid#/proc/}
        pivlon_is_running "$pid" wineserver || continue
        cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null)
        if [[ $cwd == */"$folder" || $cwd == "$prefix" ]]; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}

# Starts the persistent wineserver of our prefix and sets wineserver_pid.
# Without -f the server forks, and its first process ends only once the server
# holds the prefix's lock and listens on its socket. Until then no Wine program
# may start: one that finds no socket starts a server of its own, and the two
# race for the prefix.
pivlon_start_wineserver() {
    local log="$wine_home/wineserver.log" status
    wineserver -p >"$log" 2>&1 </dev/null 9>&-
    status=$?
    if ((status == 2)); then
        pivlon_fail "another wineserver already serves $WINEPREFIX" "$log"
        return 1
    elif ((status != 0)); then
        pivlon_fail "the wineserver for $WINEPREFIX did not start (status $status)" "$log"
        return 1
    fi
    wineserver_pid=$(pivlon_prefix_server_pid) && return 0
    wineserver -k 2>/dev/null
    pivlon_fail "the wineserver for $WINEPREFIX ended as soon as it started" "$log"
}

# Starts what Wine programs share: display, prefix, one persistent wineserver
# and the desktop process. Sets xvfb_pid and wineserver_pid.
pivlon_start_services() {
    wineserver_pid=
    pivlon_ensure_display || return 1
    if ! pivlon_ensure_prefix || ! pivlon_start_wineserver; then
        pivlon_stop_xvfb
        return 1
    fi
    # The desktop started by a test program would inherit its stdio, and
    # WaitForInputIdle is only reliable once the desktop exists.
    if ! "$pivlon_wine64" rundll32.exe user32.dll,GetDesktopWindow \
        >"$wine_home/desktop.log" 2>&1 </dev/null 9>&-; then
        pivlon_stop_services
        pivlon_fail "the Wine desktop did not start on display $DISPLAY" "$wine_home/desktop.log"
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
