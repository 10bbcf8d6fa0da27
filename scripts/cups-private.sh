#!/usr/bin/env bash
# A private CUPS daemon for tests, with one cups-pdf queue "markroll-pdf" as its default printer.
#
#   scripts/cups-private.sh start DIR   starts it; prints the lines to export (CUPS_SERVER, CUPS_SERVERROOT,
#                                       HOME, XDG_RUNTIME_DIR, MARKROLL_CUPS_OUT, MARKROLL_CUPS_PID)
#   scripts/cups-private.sh stop DIR    stops the daemon started in DIR (SIGTERM) and waits for it
#
# Everything the daemon writes (configuration, spool, logs, socket, the PDFs) stays under DIR; the system's
# CUPS is neither read for settings nor touched. DIR should be short (a Unix socket path stays under 108
# bytes), e.g. "$(mktemp -d /tmp/mrcups.XXXXXX)". `start` exits 3 with a one-line reason on standard error
# when the daemon or cups-pdf is missing, so callers can skip instead of failing.
#
# Why it is built this way: cups-pdf reads its settings only from the compiled-in /etc/cups/cups-pdf.conf and
# from the option defaults of the queue's PPD, and libcups cuts a PPD default at its first '/'. So the queue
# gets a private copy of the cups-pdf PPD whose defaults (Out, Spool, Log, GSTmp) are relative, slash-free
# folder names; they resolve against cupsd's working folder, which is DIR, and must exist beforehand.
set -euo pipefail

usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}
[ $# -eq 2 ] || usage
action="$1"
[ -n "$2" ] || usage
mkdir -p "$2"
dir="$(cd "$2" && pwd)"
queue=markroll-pdf
socket="$dir/cups.sock"
pidfile="$dir/cupsd.pid"

# True while the process is alive (a zombie left to a parent that does not reap counts as gone).
alive() {
    local state
    state="$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$1/status" 2>/dev/null || true)"
    [ -n "$state" ] && [ "$state" != Z ]
}

stop() {
    [ -f "$pidfile" ] || return 0
    local pid
    pid="$(cat "$pidfile")"
    if [[ "$pid" =~ ^[0-9]+$ ]] && alive "$pid" && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]; then
        kill -TERM "$pid" 2>/dev/null || true
        local i
        for ((i = 0; i < 100; i++)); do
            alive "$pid" || break
            sleep 0.1
        done
        if alive "$pid"; then
            echo "cups-private: cupsd $pid ignored SIGTERM for 10 s; killing it" >&2
            kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
    rm -f "$pidfile"
}

missing() {
    echo "$1" >&2
    exit 3
}

start() {
    local cupsd lpadmin ppd_src backend
    cupsd="$(command -v cupsd || true)"
    [ -n "$cupsd" ] || cupsd=/usr/sbin/cupsd
    lpadmin="$(command -v lpadmin || true)"
    [ -n "$lpadmin" ] || lpadmin=/usr/sbin/lpadmin
    backend=/usr/lib/cups/backend/cups-pdf
    ppd_src=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -x "$cupsd" ] || missing "cupsd is not installed (package cups-daemon)"
    if ! [ -x "$lpadmin" ] || ! command -v lp >/dev/null || ! command -v lpstat >/dev/null; then
        missing "lp, lpstat or lpadmin is not installed (packages cups-client, cups-daemon)"
    fi
    if ! [ -e "$backend" ] || ! [ -f "$ppd_src" ]; then
        missing "cups-pdf is not installed (package printer-driver-cups-pdf)"
    fi
    [ "$(id -u)" -eq 0 ] || missing "the cups-pdf backend runs only under a cupsd started as root"
    if [ -f "$pidfile" ] && alive "$(cat "$pidfile")"; then
        echo "cups-private: a daemon already runs in $dir (pid $(cat "$pidfile"))" >&2
        exit 1
    fi
    [ ${#socket} -lt 100 ] || { echo "cups-private: socket path too long: $socket" >&2; exit 1; }

    # Filters run as user lp, so DIR and the folders they read must be open to it.
    chmod 755 "$dir"
    mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,home,run,pdf,pdfspool,gstmp}
    chmod 700 "$dir/run"
    chown root:lp "$dir/spool" "$dir/spool/tmp" "$dir/cache" "$dir/state"
    chmod 710 "$dir/spool"
    chmod 1770 "$dir/spool/tmp"
    chmod 770 "$dir/cache"
    chmod 755 "$dir/state"
    chmod 1777 "$dir/gstmp"

    cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
User lp
Group lp
SystemGroup root
FileDevice No
EOF
    cat >"$dir/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel info
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
DefaultShared No
PreserveJobFiles No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    # The clients find the daemon through CUPS_SERVER; this keeps them away from any system client.conf too.
    echo "ServerName $socket" >"$dir/etc/client.conf"
    chmod 644 "$dir/etc/"*.conf

    # The private PPD: cups-pdf's own, plus its folder settings as relative defaults (see above).
    {
        sed '/^\*CloseGroup: General/,$d' "$ppd_src"
        local key value key_value
        for key_value in Out:pdf Spool:pdfspool Log:log GSTmp:gstmp Grp:lp; do
            key="${key_value%%:*}"
            value="${key_value#*:}"
            printf '*OpenUI *%s/%s: PickOne\n*Default%s: %s\n*%s %s/%s: ""\n*CloseUI: *%s\n\n' \
                "$key" "$key" "$key" "$value" "$key" "$value" "$value" "$key"
        done
        sed -n '/^\*CloseGroup: General/,$p' "$ppd_src"
    } >"$dir/etc/$queue.ppd"

    export CUPS_SERVER="$socket" CUPS_SERVERROOT="$dir/etc" HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run"
    # cupsd runs from DIR (the PPD's relative folders resolve against it), in the foreground so the pid
    # recorded is the daemon's own, and with no descriptor of ours left open.
    (cd "$dir" && exec "$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        </dev/null >>"$dir/log/cupsd.out" 2>&1) &
    local pid=$!
    echo "$pid" >"$pidfile"

    local i up=0
    for ((i = 0; i < 100; i++)); do
        if ! alive "$pid"; then
            break
        fi
        if lpstat -r 2>/dev/null | grep -q 'is running'; then
            up=1
            break
        fi
        sleep 0.1
    done
    if [ $up -eq 0 ]; then
        echo "cups-private: cupsd did not come up; its log:" >&2
        tail -n 20 "$dir/log/error_log" "$dir/log/cupsd.out" >&2 2>/dev/null || true
        stop
        exit 1
    fi

    # lpadmin warns that PPD drivers are deprecated; that notice is dropped, any other message is kept.
    local out rc=0
    out="$("$lpadmin" -p "$queue" -E -v cups-pdf:/ -P "$dir/etc/$queue.ppd" \
        -o pdftops-renderer-default=pdftocairo -o printer-error-policy=abort-job 2>&1)" || rc=$?
    [ -z "$out" ] || grep -v 'drivers are deprecated' <<<"$out" >&2 || true
    if [ $rc -ne 0 ] || ! "$lpadmin" -d "$queue" >&2; then
        echo "cups-private: could not add the queue $queue" >&2
        stop
        exit 1
    fi

    cat <<EOF
export CUPS_SERVER=$socket
export CUPS_SERVERROOT=$dir/etc
export HOME=$dir/home
export XDG_RUNTIME_DIR=$dir/run
export MARKROLL_CUPS_OUT=$dir/pdf
export MARKROLL_CUPS_PID=$pid
EOF
}

case "$action" in
start) start ;;
stop) stop ;;
*) usage ;;
esac
