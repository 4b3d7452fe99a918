#!/usr/bin/env bash
# Installs Quillmere into a temporary prefix and studies with the installed
# program as a person would, under Xvfb with xdotool: sets a question file in
# the options dialog with 更新, answers, ends with 終了; a second run answers
# again. english.ini and its backups must be in the user's configuration
# folder, and nothing new under the prefix.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
prefix="$work/prefix"
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cmake --install "$build" --prefix "$prefix" >/dev/null
printf 'Hello.\tこんにちは。\r\n' >"$work/hello.txt"

display=:$((90 + RANDOM % 500))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM

before=$(cd "$prefix" && find . | sort)

# Waits for a window whose name is $1 and prints its id.
window() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1" >&2
    return 1
}
# Clicks at x y (pixels) inside window $1.
click() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    sleep 0.3
}

run() {
    "$prefix/bin/quillmere" &
    pid=$!
    main=$(window Quillmere)
    sleep 1
}

# First run: the first-run instructions, then the options dialog.
run
click "$main" 28 11                         # ﾌｧｲﾙ(F)
click "$main" 73 86                         # オプション設定
options=$(window オプション設定)
sleep 0.3
click "$options" 400 52                     # the 問題 box (Text1)
xdotool type --delay 5 "$work/hello.txt"
click "$options" 488 352                    # 更新
# 更新 writes english.ini and shows the first question; a busy machine may
# take a moment.
for _ in $(seq 50); do
    sed -n 6p "$XDG_CONFIG_HOME/Quillmere/english.ini" 2>/dev/null | grep -qF "$work/hello.txt" && break
    sleep 0.1
done
sleep 0.5
click "$main" 30 214                        # the one word button: a right answer
click "$main" 580 464                       # 終了
wait "$pid"

# Second run: one more right answer; the first rewrite keeps a backup.
run
click "$main" 30 214
click "$main" 580 464
wait "$pid"

ini="$XDG_CONFIG_HOME/Quillmere/english.ini"
[ -f "$ini" ] || { echo "no english.ini in $XDG_CONFIG_HOME/Quillmere"; exit 1; }
sed -n 6p "$ini" | grep -qF "$work/hello.txt" || { echo "question file not in line 6"; cat "$ini"; exit 1; }
grep -q '^3: 1 1 13 0 2 0' "$ini" || { echo "the two answers are not in english.ini"; cat "$ini"; exit 1; }
ls "$XDG_CONFIG_HOME"/Quillmere/backup/english-*.ini >/dev/null || { echo "no backup"; exit 1; }
after=$(cd "$prefix" && find . | sort)
[ "$before" = "$after" ] || { echo "files appeared under the prefix:"; diff <(echo "$before") <(echo "$after"); exit 1; }
echo "installed program: english.ini and backups in $XDG_CONFIG_HOME/Quillmere, prefix unchanged"
