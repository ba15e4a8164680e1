# Helpers for driving Varnodel in a real X session: sourced by the end-to-end tests and
# the screenshot script. Needs Xvfb and xdotool.

# Starts a private Xvfb and exports DISPLAY; it is stopped when the shell exits. The
# display number is one that neither a lock file nor an abstract socket claims, so a
# server in another container or chroot on the same machine is never reached instead.
start_xvfb() {
    local n fdfile
    fdfile=$(mktemp)
    for n in $(seq 50 150); do
        [ -e "/tmp/.X$n-lock" ] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
        : >"$fdfile"
        Xvfb ":$n" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 100); do
            [ -s "$fdfile" ] && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        if [ -s "$fdfile" ]; then
            export DISPLAY=":$n"
            rm -f "$fdfile"
            trap stop_session EXIT
            # The server has said which display it is; a client must also get in before
            # the program starts (once, on a loaded machine, the program could not).
            for _ in $(seq 100); do
                xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
                sleep 0.05
            done
            fail "Xvfb on $DISPLAY takes no client"
        fi
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    done
    rm -f "$fdfile"
    fail "Xvfb did not start"
}

# Ends the program and the X server, and removes the script's WORK folder if it has one.
stop_session() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "${WORK:-}" ] && rm -rf "$WORK"
    return 0
}

# Says what failed, with what the program printed if it has a log, and exits.
fail() {
    echo "FAIL: $*" >&2
    [ -s "${APP_LOG:-}" ] && sed 's/^/  the program said: /' "$APP_LOG" >&2
    exit 1
}

# Starts the program given as $1 and waits for its main window.
start_app() {
    "$1" >"${APP_LOG:-/dev/null}" 2>&1 &
    APP_PID=$!
    MAIN=$(wait_for_window "${APP_TITLE:-^Varnodel$}") || true
    [ -n "$MAIN" ] || fail "the main window did not appear"
    xdotool windowfocus --sync "$MAIN"
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    MAIN_X=$X
    MAIN_Y=$Y
    # The client area is 710 x 675 pixels; the menu bar stands above it.
    MENU_H=$((HEIGHT - 675))
}

# Prints the id of the first visible window whose name matches $1 and that is not
# the main window, waiting up to 10 seconds.
wait_for_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${MAIN:-none}" | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Waits until no visible window other than the main one has a name matching $1.
wait_gone() {
    for _ in $(seq 200); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$MAIN")" ] && return 0
        sleep 0.05
    done
    fail "window '$1' did not close"
}

# Clicks the main window's client area at x, y pixels.
click_client() {
    xdotool mousemove --sync $((MAIN_X + $1)) $((MAIN_Y + MENU_H + $2)) click 1
}

# Clicks the centre of a control given in twips (left, top, width, height).
click_twips() {
    click_client $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15))
}

click_save()   { click_twips 6480 840 1095 495; }
click_get()    { click_twips 6480 1560 1095 495; }
click_solve()  { click_twips 6480 2280 1095 495; }
click_grid()   { click_twips 6480 3000 1095 1095; }
click_result() { click_twips 6480 4320 1095 735; }
click_quit()   { click_twips 9240 3840 1095 495; }
click_clear()  { click_twips 9240 4560 1095 495; }

# Loads the intermediate sample by its bare name (the open dialog starts in the
# program's folder, where the samples are), saves it to WORK and checks the bytes.
sample_saves_back() {
    click_get
    answer_file_dialog "puzzle-intermediate.txt"
    answer_message "Get File"
    click_save
    answer_file_dialog "$WORK/loaded.txt"
    for _ in $(seq 100); do [ -s "$WORK/loaded.txt" ] && break; sleep 0.05; done
    cmp "$WORK/loaded.txt" "$PROGRAM_DIR/puzzle-intermediate.txt" \
        || fail "the loaded sample did not save back the same"
    echo "ok: Get File loads a sample, which Save File writes back unchanged"
}

# Clicks Quit and checks that the program ends at once with status 0.
quit_ends_program() {
    local status
    click_quit
    for _ in $(seq 40); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$APP_PID" 2>/dev/null && fail "Quit did not end the program within 2 seconds"
    wait "$APP_PID" && status=0 || status=$?
    APP_PID=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    echo "ok: Quit ended the program with status 0"
}

# Clicks puzzle box i (0 to 80).
click_box() {
    local r=$(($1 / 9)) c=$(($1 % 9))
    click_twips $((1080 + 480 * c + 120 * (c / 3))) $((840 + 480 * r + 120 * (r / 3))) 495 495
}

# Answers the message box that the last action brought up with OK.
answer_message() {
    local box
    box=$(wait_for_window '^Varnodel$') || fail "no message box appeared${1:+ after $1}"
    xdotool windowfocus --sync "$box" key Return
    wait_gone '^Varnodel$'
    xdotool windowfocus --sync "$MAIN"
}

# Types a file name into the file dialog that the last click opened, and accepts it.
answer_file_dialog() {
    local dialog name
    dialog=$(wait_for_window '.') || fail "no file dialog appeared"
    name=$(xdotool getwindowname "$dialog")
    sleep 0.3
    xdotool windowfocus --sync "$dialog" key ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Return
    wait_gone "^$name\$"
    xdotool windowfocus --sync "$MAIN"
}

# Types the 81-character puzzle $1 ('.' for an open cell) box by box: a digit, then Tab.
type_puzzle() {
    click_box 0
    local i ch
    for ((i = 0; i < 81; i++)); do
        ch=${1:i:1}
        [ "$ch" != "." ] && xdotool key "$ch"
        xdotool key Tab
    done
}

# The bytes Save File writes for an 81-character grid.
grid_bytes() {
    local i ch
    for ((i = 0; i < 81; i++)); do
        ch=${1:i:1}
        [ "$ch" = "." ] && ch=""
        printf '%s\r\n' "$ch"
    done
}
