# A Wayland compositor of its own for the smoke tests, sourced after ambiente.bash: Debian's weston,
# its desktop painted in the colour of the X tests' root window, no panel, and the program started
# natively on it. weston and the program are recorded and killed by their pids when the script ends.

# Starts weston with the back end given ("headless" or "x11", the latter inside the running Xvfb)
# on a socket in the private XDG_RUNTIME_DIR, and waits for the socket.
inicia_weston() {
    cat >"$tmp/weston.ini" <<'FIM'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff1e7b3a
locking=false
startup-animation=none
animation=none
FIM
    export WAYLAND_DISPLAY=telvanor-$$
    weston --backend="$1-backend.so" --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
        --config="$tmp/weston.ini" --width=640 --height=480 >"$tmp/weston.log" 2>&1 &
    pids+=($!)
    espera 100 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || falha "weston não iniciou"
}

# Starts the program natively on the compositor.
inicia_programa_wayland() {
    QT_QPA_PLATFORM=wayland "$tmp/programa/e-Telvanor3Std" "$@" >>"$tmp/programa.log" 2>&1 &
    programa=$!
    pids+=($programa)
}

# The compositor's picture in $1 (needs weston's --debug).
foto_weston() {
    mkdir -p "$tmp/fotos"
    rm -f "$tmp/fotos"/*.png
    (cd "$tmp/fotos" && timeout 10 weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$tmp/fotos"/*.png "$1"
}

# The bounding box WxH+X+Y of what is not the desktop's colour in a picture, empty when nothing is.
fora_do_fundo() {
    convert "$1" -alpha off -fill white +opaque '#1E7B3A' -fill black -opaque '#1E7B3A' -format '%@' info: 2>/dev/null
}

# What the command given prints (a box it finds in a fresh picture) once it prints the same, not
# empty, twice in a row: the window is shown and still.
caixa_parada() {
    local anterior="" atual
    for _ in $(seq 60); do
        atual=$("$@") || return 1
        [[ -n $atual && $atual != 0x0+0+0 && $atual == "$anterior" ]] && { echo "$atual"; return 0; }
        anterior=$atual
        sleep 0.3
    done
    return 1
}
