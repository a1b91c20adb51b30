#!/usr/bin/env bash
# make bench: runs every benchmark of bench/ and prints one table of the figures that
# matter, each as a ratio, a share of one core or an instruction count where a time alone
# would be noise. The programs' own reports go to BUILD/bench/log. Instruction counts need
# valgrind (callgrind); without it those cells say so.
#
#   bench/souhrn.sh [BUILD]
set -uo pipefail

BUILD=${1:-build}
BENCH="$BUILD/bench"
LOG="$BENCH/log"
mkdir -p "$LOG"
DRUHY=(VYBEROVKA DOPLNOVACKA DIKTAT OPRAVA)
STRANEK=20  # pages counted by callgrind per kind
UPRAV=20    # table updates counted by callgrind
LOSOVANI=50 # exercises drawn under callgrind

declare -A z      # figure key -> value, from the programs' "#zmereno key value" lines
selhalo=()

# spust PREFIX PROGRAM [ARGS]: runs the program (offscreen unless told otherwise) and keeps
# its figures under PREFIX + key.
spust() {
    local predpona=$1 program=$2
    shift 2
    local zprava="$LOG/$predpona$program.txt"
    printf 'running %s ...\n' "$program" >&2
    if ! QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "${PRED[@]}" "$BENCH/$program" "$@" >"$zprava" 2>&1; then
        selhalo+=("$program")
        return
    fi
    local klic hodnota
    while read -r _ klic hodnota; do
        z[$predpona$klic]=$hodnota
    done < <(grep '^#zmereno ' "$zprava")
}
PRED=(env)

# Instructions callgrind counts inside the function (the whole run for "-"), divided by the
# number of calls.
instrukci() {
    local nazev=$1 funkce=$2 pocet=$3
    shift 3
    command -v valgrind >/dev/null || return
    local jen=()
    [[ $funkce != - ]] && jen=(--toggle-collect="*$funkce*")
    printf 'running %s under callgrind ...\n' "$nazev" >&2
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$LOG/callgrind.$nazev" \
        "${jen[@]}" "$@" >"$LOG/callgrind.$nazev.txt" 2>&1 || return
    local celkem
    celkem=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$LOG/callgrind.$nazev.txt" | tail -1)
    [[ -n $celkem ]] && z[$nazev]=$((celkem / pocet))
}

# Start-up on private X servers as well, where both sides draw a real first frame: the
# program full screen from the pictures for that screen's scale.
if command -v xvfb-run >/dev/null; then
    PRED=(xvfb-run -a -s "-screen 0 1024x768x24")
    QT_QPA_PLATFORM=xcb spust x. bench_start
    PRED=(xvfb-run -a -s "-screen 0 640x480x24")
    QT_QPA_PLATFORM=xcb spust x480. bench_start
    PRED=(xvfb-run -a -s "-screen 0 1920x1080x24")
    QT_QPA_PLATFORM=xcb spust x1080. bench_start
    PRED=(env)
fi
spust "" bench_start
spust "" bench_necinnost
QT_QPA_PLATFORM=xcb spust "" bench_cesta
QT_QPA_PLATFORM=xcb spust hd. bench_cesta 1920x1080
spust "" bench_stranka
spust "" bench_tabulka
spust "" bench_losovani
spust "" bench_ucitel
spust "" bench_listy
spust "" bench_zvuk
instrukci instrukce.start.program - 1 "$BENCH/bench_start" --program
instrukci instrukce.start.holy - 1 "$BENCH/bench_start" --holy
if [[ -n ${z[instrukce.start.program]:-} && -n ${z[instrukce.start.holy]:-} ]]; then
    z[instrukce.start.pomer]=$(awk -v a="${z[instrukce.start.program]}" -v b="${z[instrukce.start.holy]}" 'BEGIN { print a / b }')
fi
for d in "${DRUHY[@]}"; do
    instrukci "instrukce.stranka.$d" stranky_pro_mereni "$STRANEK" "$BENCH/bench_stranka" "$STRANEK" "$d"
done
instrukci instrukce.tabulka jedna_uprava "$UPRAV" "$BENCH/bench_tabulka" "$UPRAV"
instrukci instrukce.losovani jedno_cviceni "$LOSOVANI" "$BENCH/bench_losovani" "$LOSOVANI"

# ---- the table ----
hodnota() { [[ -n ${z[$1]:-} ]] && printf "$2" "${z[$1]}" || printf 'not measured'; }
splneno() { # value comparison target
    [[ -z ${z[$1]:-} ]] && { printf -- '-'; return; }
    awk -v a="${z[$1]}" -v b="$3" "BEGIN { exit !(a $2 b) }" && printf 'met' || printf 'NOT met'
}
mega() { [[ -n ${z[$1]:-} ]] && awk -v n="${z[$1]}" 'BEGIN { printf "%.2f M instructions", n / 1e6 }' || printf 'no valgrind'; }
radek() { printf '%-48s | %-46s | %-12s | %s\n' "$1" "$2" "$3" "$4"; }

echo
echo "Ortanel - Verbano 2: benchmarks ($(nproc) cores; each program's own report in $LOG)"
echo
radek "figure" "measured" "target" ""
radek "------------------------------------------------" "----------------------------------------------" \
    "------------" "-------"
radek "start-up to the title picture, on X" \
    "$(hodnota x.start.pomer '%.2f') x a bare Qt window ($(hodnota x.start.program_ms '%.0f') / $(hodnota x.start.holy_ms '%.0f') ms)" \
    "<= 1.5 x" "$(splneno x.start.pomer '<=' 1.5)"
for x in x480:"640 x 480" x1080:"1920 x 1080"; do
    radek "start-up to the title picture, X ${x#*:}" \
        "$(hodnota "${x%%:*}.start.pomer" '%.2f') x a bare Qt window ($(hodnota "${x%%:*}.start.program_ms" '%.0f') / $(hodnota "${x%%:*}.start.holy_ms" '%.0f') ms)" \
        "<= 1.5 x" "$(splneno "${x%%:*}.start.pomer" '<=' 1.5)"
done
radek "start-up to the title picture, offscreen" \
    "$(hodnota start.pomer '%.2f') x a bare Qt window ($(hodnota start.program_ms '%.0f') / $(hodnota start.holy_ms '%.0f') ms)" \
    "<= 1.5 x" "$(splneno start.pomer '<=' 1.5)"
radek "start-up to the title picture, instructions" \
    "$(hodnota instrukce.start.pomer '%.2f') x a bare Qt window ($(mega instrukce.start.program | cut -d' ' -f1-2) / $(mega instrukce.start.holy | cut -d' ' -f1-2))" \
    "<= 1.5 x" "$(splneno instrukce.start.pomer '<=' 1.5)"
for s in titulek:"title picture's wait" menu:"main menu" nastaveni:"set-up screen" cviceni:"exercise page"; do
    radek "idle, ${s#*:}, program on X" "$(hodnota "necinnost.${s%%:*}" '%.2f') % of one core" "< 2 %" \
        "$(splneno "necinnost.${s%%:*}" '<' 2)"
    radek "idle, ${s#*:}, on X 1920 x 1080" "$(hodnota "hd.necinnost.${s%%:*}" '%.2f') % of one core" "< 2 %" \
        "$(splneno "hd.necinnost.${s%%:*}" '<' 2)"
done
for s in titulek:"title picture's wait" menu:"main menu"; do
    radek "idle, ${s#*:}, in-process offscreen" "$(hodnota "necinnost_offscreen.${s%%:*}" '%.2f') % of one core" \
        "< 2 %" "$(splneno "necinnost_offscreen.${s%%:*}" '<' 2)"
done
for d in "${DRUHY[@]}"; do
    radek "page layout + check, $d" \
        "$(mega "instrukce.stranka.$d") a page ($(hodnota "stranka.$d.us" '%.0f') us)" "< 16667 us" \
        "$(splneno "stranka.$d.us" '<' 16667)"
done
for d in "${DRUHY[@]}"; do
    radek "page painting, $d" "$(hodnota "kresleni.$d.us" '%.0f') us a page" "< 16667 us" \
        "$(splneno "kresleni.$d.us" '<' 16667)"
done
radek "drawing 20 of 1,000 sentences, with errors" \
    "$(mega instrukce.losovani) ($(hodnota losovani.us '%.0f') us median)" "< 1000 us" "$(splneno losovani.us '<' 1000)"
radek "score table update (1,496 lines, saved)" \
    "$(mega instrukce.tabulka) ($(hodnota tabulka.uprava_ms '%.2f') ms median)" "" ""
radek "whole results visit (mark, log, table)" "$(hodnota tabulka.navsteva_ms '%.2f') ms median" "" ""
radek "teacher's window: open a 100,000-visit log" "$(hodnota ucitel.otvor_ms '%.0f') ms (parsing alone $(hodnota ucitel.cteni_ms '%.0f') ms)" \
    "< 1000 ms" "$(splneno ucitel.otvor_ms '<' 1000)"
radek "teacher's window: sort by pupil / by share" "$(hodnota ucitel.trid_jmeno_ms '%.0f') / $(hodnota ucitel.trid_podil_ms '%.0f') ms" \
    "< 1000 ms" "$(splneno ucitel.trid_podil_ms '<' 1000)"
radek "teacher's window: filter by name / clear" "$(hodnota ucitel.filtr_jmeno_ms '%.0f') / $(hodnota ucitel.filtr_zrus_ms '%.0f') ms" \
    "< 1000 ms" "$(splneno ucitel.filtr_zrus_ms '<' 1000)"
radek "teacher's window: peak memory, 100,000 visits" "$(hodnota ucitel.pamet_mb '%.1f') MB resident" "< 200 MB" \
    "$(splneno ucitel.pamet_mb '<' 200)"
radek "worksheets from the command line (25 copies of 10)" "$(hodnota listy.ms '%.0f') ms median, start-up included" \
    "< 2000 ms" "$(splneno listy.ms '<' 2000)"
radek "sounds heard whole (40 clicks/hovers, 50 recordings)" "$(hodnota zvuk.slyseno '%.1f') %" "100 %" \
    "$(splneno zvuk.slyseno '>=' 100)"
radek "click/hover: command to first sound, median" "$(hodnota zvuk.klik_median '%.1f') ms" "<= 30 ms" \
    "$(splneno zvuk.klik_median '<=' 30)"
radek "click/hover: command to first sound, max" "$(hodnota zvuk.klik_max '%.1f') ms" "<= 60 ms" \
    "$(splneno zvuk.klik_max '<=' 60)"
radek "recording: command to first sound, median / max" \
    "$(hodnota zvuk.nahravka_median '%.1f') / $(hodnota zvuk.nahravka_max '%.1f') ms" "<= 60 ms" \
    "$(splneno zvuk.nahravka_max '<=' 60)"
radek "pause: command to silence, median / max of 10" \
    "$(hodnota zvuk.pauza_median '%.1f') / $(hodnota zvuk.pauza_max '%.1f') ms" "<= 30 ms" \
    "$(splneno zvuk.pauza_max '<=' 30)"
radek "resume: command to sound, median / max of 10" \
    "$(hodnota zvuk.pokracovani_median '%.1f') / $(hodnota zvuk.pokracovani_max '%.1f') ms" "<= 30 ms" \
    "$(splneno zvuk.pokracovani_max '<=' 30)"
radek "idle, sound device open and silent" "$(hodnota zvuk.necinnost '%.2f') % of one core" "< 2 %" \
    "$(splneno zvuk.necinnost '<' 2)"
radek "peak memory of a whole journey" "$(hodnota pamet.spicka_mb '%.1f') MB resident" "< 120 MB" \
    "$(splneno pamet.spicka_mb '<' 120)"
radek "peak memory of a whole journey, 1920 x 1080" "$(hodnota hd.pamet.spicka_mb '%.1f') MB resident" "< 150 MB" \
    "$(splneno hd.pamet.spicka_mb '<' 150)"

if ((${#selhalo[@]})); then
    echo
    echo "FAILED: ${selhalo[*]} (see $LOG)"
    exit 1
fi
