# Sourced by the scripts: a private Xvfb display and Wine prefix for one run.
# wine_session_start <folder> [width height] starts both (prefix under <folder>/wineprefix);
#     with WINE_SESSION_DISPLAY=keep and $DISPLAY set, it uses that display instead of Xvfb
# wine_session_stop            ends what wine_session_start started, by process id

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

_wine_session_xvfb_pid=
_wine_session_server_pid=

_free_display()
{
    local n
    for n in $(seq 101 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
    done
    return 1
}

wine_session_start()
{
    local folder=$1 width=${2:-1024} height=${3:-768}
    mkdir -p "$folder"
    local i
    if [ "${WINE_SESSION_DISPLAY:-}" != keep ] || [ -z "${DISPLAY:-}" ]; then
        local display
        display=$(_free_display) || { echo "no free X display" >&2; return 1; }
        Xvfb ":$display" -screen 0 "${width}x${height}x24" -nolisten tcp >"$folder/xvfb.log" 2>&1 &
        _wine_session_xvfb_pid=$!
        export DISPLAY=":$display"
        for i in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && break
            kill -0 "$_wine_session_xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; return 1; }
            sleep 0.1
        done
    fi

    export WINEPREFIX="$folder/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts
    export LC_ALL=ja_JP.UTF-8  # Wine takes code page 932 from the locale
    if [ ! -f "$WINEPREFIX/.explace-ready-2" ]; then
        echo "creating Wine prefix $WINEPREFIX"
        "$WINE" wineboot -i >/dev/null 2>&1 || true
        # Every program runs in a virtual desktop: Wine then draws captions and
        # frames itself and provides the notification area, with no window manager.
        "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${width}x${height}" /f >/dev/null 2>&1
        # Text files open in Notepad, as on Windows (a new prefix has no such association).
        "$WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
        "$WINESERVER" -w  # the set-up is done when its server has ended
        touch "$WINEPREFIX/.explace-ready-2"
    fi
    # One server for the whole session, ended by wine_session_stop.
    "$WINESERVER" -f -p >/dev/null 2>&1 &
    _wine_session_server_pid=$!
    # Start the services and the desktop now, with their output going nowhere:
    # started later by a test they would inherit and hold its output pipe open.
    "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
    "$WINE" explorer.exe "/desktop=Default,${width}x${height}" >/dev/null 2>&1 </dev/null &
    for i in $(seq 1 600); do
        xwininfo -root -children 2>/dev/null | grep -q 'Wine desktop' && return 0
        sleep 0.1
    done
    echo "the Wine desktop did not appear" >&2
    return 1
}

wine_session_stop()
{
    if [ -n "$_wine_session_server_pid" ]; then
        "$WINESERVER" -k >/dev/null 2>&1 || true  # only this prefix's processes
        kill "$_wine_session_server_pid" 2>/dev/null || true
        wait "$_wine_session_server_pid" 2>/dev/null || true
        _wine_session_server_pid=
    fi
    if [ -n "$_wine_session_xvfb_pid" ]; then
        kill "$_wine_session_xvfb_pid" 2>/dev/null || true
        wait "$_wine_session_xvfb_pid" 2>/dev/null || true
        _wine_session_xvfb_pid=
    fi
}
