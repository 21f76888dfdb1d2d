# Shared ground of the smoke tests, sourced by each script: a temporary copy of the program folder,
# temporary HOME and XDG folders, an Xvfb of its own and, when asked, a PulseAudio of its own with a
# null sink. Every process started here is recorded and killed by its pid when the script ends.
set -euo pipefail

origem=${1:?program folder}
tmp=$(mktemp -d)
pids=()

limpa() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap limpa EXIT

falha() {
    echo "FALHOU: $*" >&2
    local log
    for log in "$tmp"/*.log; do
        [[ -s $log ]] && { echo "--- ${log##*/}" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
espera() {
    local n=$1
    shift
    for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
    return 1
}

cp -r "$origem" "$tmp/programa"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM PULSE_SERVER
# No session bus: nothing starts one behind our back, and Qt puts its tray icon in the X tray.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/sem-barramento

# A screen of its own on a free display, the root window painted in a colour neither the skin nor
# its transparent colour uses, so what shows it can only be the screen behind a cut-away part;
# -noreset keeps the colour when the painting client leaves. The screen is 640x480 unless a size
# WxH is given.
inicia_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-640x480}x24" -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
    pids+=($!)
    espera 100 test -s "$tmp/display" || falha "Xvfb não iniciou"
    export DISPLAY=:$(cat "$tmp/display")
    xsetroot -solid '#1E7B3A'
}

# A sound server of its own with one null sink as the default output, found by the program through
# XDG_RUNTIME_DIR.
inicia_pulse() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
        -L "module-native-protocol-unix" \
        -L "module-null-sink sink_name=fumaca rate=44100 channels=2" \
        -L "module-always-sink" >"$tmp/pulse.log" 2>&1 &
    pids+=($!)
    espera 100 pactl info >/dev/null 2>&1 || falha "PulseAudio não iniciou"
    pactl set-default-sink fumaca
}

# Starts the program with the given arguments and waits for its window to exist (visible or not).
inicia_programa() {
    "$tmp/programa/e-Telvanor3Std" "$@" >"$tmp/programa.log" 2>&1 &
    programa=$!
    pids+=($programa)
}

# The main window's id, once it is mapped.
janela_visivel() {
    timeout 30 xdotool search --sync --onlyvisible --name '^e-Telvanor 3\.1$' | head -n1
}

# Types each text into the focused field, Tab going on to the next field between them.
digita_campos() {
    xdotool type --delay 30 "$1"
    shift
    local campo
    for campo; do
        xdotool key Tab
        xdotool type --delay 30 "$campo"
    done
}

# Ends the program as a shutdown would and waits until it has gone.
termina_programa() {
    kill -TERM "$programa"
    espera 200 bash -c "! kill -0 $programa 2>/dev/null" || falha "SIGTERM não encerrou o programa"
    wait "$programa" || falha "o programa terminou com erro"
}
