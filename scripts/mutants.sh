#!/usr/bin/env bash
# Plants the faults of a mutant list one at a time in a scratch copy of the
# committed tree, builds only the test programs each one names and runs them:
# a mutant is "killed" when a test fails (or hangs past its deadline),
# "survived" when every test passes. Prints one line per mutant and the score.
#
#   scripts/mutants.sh [--check] [LIST...]     (default: scripts/mutants.list)
#
#   --check   only verify that every mutant's text is found exactly once
#
# Lists: scripts/mutants.list (every subsystem), scripts/mutants-second.list
# (an independent second sample of the same code), scripts/mutants-third.list
# (the newer code: backups and read-back around a write, comparison and
# restore, the line search and trace, window placement, colours).
#
# Environment:
#   LMK17_MUTANT_DIR    scratch copy (default: <checkout>-mutants beside the
#                       checkout; kept between runs so that builds stay incremental)
#   LMK17_MUTANT_ONLY   extended regex: run only the mutants whose name matches
#   LMK17_MUTANT_MIN    score (percent) below which the run fails (default 90)
#   LMK17_MUTANT_JOBS   build jobs (default 2)
#   LMK17_MUTANT_NEW    gtest pattern of tests added since an earlier score
#                       ("Suite*:Other*"): each mutant is first run without
#                       them, so one run gives the score before and after them
#
# List format (blank lines and lines starting with '#' are ignored):
#
#   @ NAME FILE PROGRAM[=GTEST_FILTER][,PROGRAM...]
#   - exact text of (a unique part of) the line
#   + the text that replaces it (may be empty: a dropped call)
#
# In both texts "\n" stands for a line break (for a fragment over lines).
# PROGRAM is a test folder's name (link, config, app, ...: test_<name> is
# built and run). The text after "- " must occur exactly once in FILE, else
# the mutant is "stale" and the run fails: a refactor must re-point it rather
# than silently drop it. A mutant that does not compile is a "build-error",
# which fails the run too. Both are left out of the score.
#
# Too long for the CI run. Measured on a busy shared 2-core machine: the first
# build of the scratch copy 25 to 30 minutes (later runs build incrementally);
# then about 15 s per mutant in a source file (62 of them in 15 minutes) and
# 10 minutes or more per mutant in a header, which rebuilds every includer.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
check_only=false
lists=()
for arg in "$@"; do
    case $arg in
        --check) check_only=true ;;
        -h | --help)
            sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//'
            exit 0
            ;;
        *) lists+=("$arg") ;;
    esac
done
[[ ${#lists[@]} -eq 0 ]] && lists=("$root/scripts/mutants.list")

scratch=${LMK17_MUTANT_DIR:-$root-mutants}
only=${LMK17_MUTANT_ONLY:-}
new_tests=${LMK17_MUTANT_NEW:-}
min_score=${LMK17_MUTANT_MIN:-90}
jobs=${LMK17_MUTANT_JOBS:-2}
build=$scratch/build
started=$(date +%s)

die() {
    echo "mutants: $*" >&2
    exit 2
}

# ---- the list ----------------------------------------------------------------------

names=() files=() programs=() froms=() tos=()
parse_list() {
    local list=$1 line n=0 state=head
    [[ -f $list ]] || die "no list $list"
    while IFS= read -r line || [[ -n $line ]]; do
        n=$((n + 1))
        [[ -z ${line//[[:space:]]/} || $line == \#* ]] && continue
        case $state:$line in
            head:"@ "*)
                local fields
                read -r -a fields <<<"${line#@ }"
                [[ ${#fields[@]} -eq 3 ]] || die "$list:$n: expected '@ NAME FILE PROGRAMS'"
                names+=("${fields[0]}") files+=("${fields[1]}") programs+=("${fields[2]}")
                state=from
                ;;
            from:"- "*)
                line=${line#- }
                froms+=("${line//\\n/$'\n'}")
                state=to
                ;;
            to:"+" | to:"+ "*)
                line=${line#+}
                line=${line# }
                tos+=("${line//\\n/$'\n'}")
                state="head"
                ;;
            *) die "$list:$n: unexpected line (expected $state)" ;;
        esac
    done <"$list"
    [[ $state == head ]] || die "$list: last mutant incomplete"
}
for list in "${lists[@]}"; do parse_list "$list"; done
count=${#names[@]}
[[ $count -gt 0 ]] || die "no mutants"

declare -A seen
for name in "${names[@]}"; do
    [[ -z ${seen[$name]:-} ]] || die "mutant $name named twice"
    seen[$name]=1
done

# How often the text occurs in the file (exact, not a pattern).
occurrences() {
    local file=$1 text=$2 content rest
    [[ -f $file ]] || {
        echo 0
        return
    }
    IFS= read -r -d '' content <"$file"
    rest=${content//"$text"/}
    echo $(((${#content} - ${#rest}) / ${#text}))
}

# ---- check only: against the working tree ---------------------------------------

if $check_only; then
    stale=0
    for ((i = 0; i < count; i++)); do
        n=$(occurrences "$root/${files[i]}" "${froms[i]}")
        if [[ $n -ne 1 ]]; then
            printf 'stale        %-34s %s (found %d times)\n' "${names[i]}" "${files[i]}" "$n"
            stale=$((stale + 1))
        fi
    done
    echo "$count mutants, $stale stale"
    [[ $stale -eq 0 ]]
    exit
fi

# ---- the scratch copy: the committed tree, built once ---------------------------

commit=$(git -C "$root" rev-parse HEAD) || die "not a git checkout"
if [[ -e $scratch/.git ]]; then
    git -C "$scratch" checkout --quiet --force --detach "$commit" || die "cannot update $scratch"
    git -C "$scratch" clean --quiet -fd -e build/ || die "cannot clean $scratch"
else
    [[ -e $scratch ]] && die "$scratch exists but is no checkout"
    git -C "$root" worktree add --quiet --detach "$scratch" "$commit" || die "cannot create $scratch"
fi
echo "mutants: $count from ${lists[*]} at ${commit:0:10} in $scratch"

# Configured once (lld links faster); new files are picked up by the build.
link_flags=$(command -v ld.lld >/dev/null && echo -fuse-ld=lld)
if [[ ! -f $build/build.ninja ]] ||
    ! grep -qx "CMAKE_EXE_LINKER_FLAGS:STRING=$link_flags" "$build/CMakeCache.txt"; then
    nice -n 19 cmake -S "$scratch" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache \
        -DCMAKE_EXE_LINKER_FLAGS="$link_flags" >/dev/null || die "configure failed"
fi

# The programs a mutant names as targets, and their gtest filters.
targets_of() {
    local wanted p
    IFS=, read -r -a wanted <<<"$1"
    for p in "${wanted[@]}"; do
        echo "test_${p%%=*}"
        # The CLI's tests run the program itself.
        [[ ${p%%=*} == cli ]] && echo lmk17-cli
    done
}

# The simulator is built once from the unmutated tree: it stays the
# reference the tests talk to.
# A program the tree does not have yet (a test folder with no tests) is
# left out: it cannot kill anything.
build_targets() {
    local t known=()
    for t in "$@"; do grep -q "^build $t: phony" "$build/build.ninja" && known+=("$t"); done
    nice -n 19 cmake --build "$build" -j "$jobs" --target "${known[@]}" >"$scratch/build.log" 2>&1
}

all_targets=()
for ((i = 0; i < count; i++)); do
    [[ -n $only && ! ${names[i]} =~ $only ]] && continue
    mapfile -t t < <(targets_of "${programs[i]}")
    all_targets+=("${t[@]}")
done
mapfile -t all_targets < <(printf '%s\n' "${all_targets[@]}" | sort -u)
[[ ${#all_targets[@]} -gt 0 ]] || die "no mutant matches '$only'"
echo "mutants: building ${all_targets[*]}"
build_targets lmk17-sim lmk17-cli "${all_targets[@]}" || die "the unmutated tree does not build (see $scratch/build.log)"

# Runs one test program (optionally filtered) with a deadline; 0 when it passes.
test_env=(QT_QPA_PLATFORM=offscreen "LMK17_SIM=$build/sim/lmk17-sim" "LMK17_CLI=$build/src/lmk17-cli")
run_program() {
    local program=$1 filter=$2 deadline=$3 exe
    exe=$(find "$build/tests" -maxdepth 2 -type f -name "test_$program" | head -n 1)
    [[ -x $exe ]] || return 3
    local args=(--gtest_brief=1 --gtest_fail_fast)
    [[ -n $filter ]] && args+=("--gtest_filter=$filter")
    (cd "$(dirname "$exe")" && env "${test_env[@]}" timeout -k 10 "$deadline" nice -n 19 "$exe" \
        "${args[@]}" >"$scratch/test.log" 2>&1)
}

# Baseline: every program must pass unmutated; its time sets the deadline.
declare -A deadline
for ((i = 0; i < count; i++)); do
    [[ -n $only && ! ${names[i]} =~ $only ]] && continue
    IFS=, read -r -a wanted <<<"${programs[i]}"
    for p in "${wanted[@]}"; do
        [[ -n ${deadline[$p]:-} ]] && continue
        program=${p%%=*} filter=
        [[ $p == *=* ]] && filter=${p#*=}
        t0=$(date +%s)
        run_program "$program" "$filter" 1800
        rc=$?
        if [[ $rc -eq 3 ]]; then
            deadline[$p]=1
            echo "mutants: test_$program does not exist in this tree: it cannot kill"
            continue
        fi
        [[ $rc -eq 0 ]] ||
            die "test_$program ${filter:+($filter) }fails unmutated (see $scratch/test.log)"
        deadline[$p]=$((3 * ($(date +%s) - t0) + 30))
        echo "mutants: baseline test_$program${filter:+ ($filter)} passes, deadline ${deadline[$p]} s"
    done
done

# ---- one mutant at a time -----------------------------------------------------------

current_file=
restore() {
    [[ -n $current_file ]] && cp "$scratch/.mutant-original" "$current_file"
    current_file=
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

mkdir -p "$scratch/logs"
killed=0 survived=0 stale=0 broken=0 ran=0 killed_before=0
survivors=() failures=()
for ((i = 0; i < count; i++)); do
    name=${names[i]}
    [[ -n $only && ! $name =~ $only ]] && continue
    file=$scratch/${files[i]}
    t0=$(date +%s)
    n=$(occurrences "$file" "${froms[i]}")
    if [[ $n -ne 1 ]]; then
        printf 'stale        %-34s %s (found %d times)\n' "$name" "${files[i]}" "$n"
        stale=$((stale + 1))
        failures+=("$name (stale)")
        continue
    fi
    ran=$((ran + 1))
    cp "$file" "$scratch/.mutant-original"
    current_file=$file
    IFS= read -r -d '' content <"$file"
    printf '%s' "${content/"${froms[i]}"/"${tos[i]}"}" >"$file"

    mapfile -t t < <(targets_of "${programs[i]}")
    if ! build_targets "${t[@]}"; then
        restore
        cp "$scratch/build.log" "$scratch/logs/$name.log"
        printf 'build-error  %-34s %s\n' "$name" "${files[i]}"
        broken=$((broken + 1))
        failures+=("$name (build-error)")
        continue
    fi
    verdict=survived by="" before=survived
    IFS=, read -r -a wanted <<<"${programs[i]}"
    # First without the new tests (when named): the verdict they had before.
    passes=(all)
    [[ -n $new_tests ]] && passes=(old all)
    for pass in "${passes[@]}"; do
        for p in "${wanted[@]}"; do
            program=${p%%=*} filter=
            [[ $p == *=* ]] && filter=${p#*=}
            [[ $pass == old ]] && filter="${filter:-*}-$new_tests"
            run_program "$program" "$filter" "${deadline[$p]}"
            rc=$?
            if [[ $rc -ne 0 && $rc -ne 3 ]]; then
                verdict=killed by=test_$program
                [[ $rc -eq 124 || $rc -eq 137 ]] && by="$by, deadline"
                break
            fi
        done
        if [[ $verdict == killed ]]; then
            [[ $pass == old || -z $new_tests ]] && before=killed
            [[ $before == survived ]] && by="$by, new tests"
            break
        fi
    done
    [[ $before == killed ]] && killed_before=$((killed_before + 1))
    restore
    cp "$scratch/test.log" "$scratch/logs/$name.log" 2>/dev/null
    if [[ $verdict == killed ]]; then
        killed=$((killed + 1))
    else
        survived=$((survived + 1))
        survivors+=("$name")
    fi
    printf '%-12s %-34s %s (%s s)\n' "$verdict" "$name" "${by:-${programs[i]}}" "$(($(date +%s) - t0))"
done
restore
# Leave the build matching the unmutated tree for the next run.
build_targets lmk17-sim lmk17-cli "${all_targets[@]}" || true

scored=$((killed + survived))
elapsed=$(($(date +%s) - started))
echo
echo "mutants: $ran run, $killed killed, $survived survived, $stale stale, $broken build-error"
[[ ${#survivors[@]} -gt 0 ]] && echo "survived: ${survivors[*]}"
[[ ${#failures[@]} -gt 0 ]] && echo "to mend in the list: ${failures[*]}"
score=0
[[ $scored -gt 0 ]] && score=$((100 * killed / scored))
if [[ -n $new_tests && $scored -gt 0 ]]; then
    echo "score without the new tests ($new_tests): $killed_before/$scored =" \
        "$((100 * killed_before / scored)) % killed"
fi
echo "score: $killed/$scored = $score % killed (run time $((elapsed / 60)) min $((elapsed % 60)) s)"
[[ $stale -eq 0 && $broken -eq 0 && $score -ge $min_score ]]
