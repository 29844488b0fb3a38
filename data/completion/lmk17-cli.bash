# bash completion for lmk17-cli. Commands and options come from the
# program's own help, so they are always those of the installed program.

_lmk17_cli_ports() {
    local nullglob
    nullglob=$(shopt -p nullglob)
    shopt -s nullglob
    local ports=(/dev/tty* /dev/serial/by-id/*)
    $nullglob
    COMPREPLY=($(compgen -W "${ports[*]}" -- "$cur"))
}

_lmk17_cli_files() {
    # $1: extensions separated by '|'; folders always
    local ext exts
    IFS='|' read -ra exts <<<"$1"
    local IFS=$'\n'
    COMPREPLY=($(compgen -d -- "$cur"))
    for ext in "${exts[@]}"; do
        COMPREPLY+=($(compgen -f -X "!*.$ext" -- "$cur") $(compgen -f -X "!*.${ext^^}" -- "$cur"))
    done
    compopt -o filenames 2>/dev/null
}

_lmk17_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    local global_values="--port --baud --parity --address --master"
    case $prev in
        --port) _lmk17_cli_ports; return ;;
        --baud) COMPREPLY=($(compgen -W "600 1200 2400 4800 9600 19200" -- "$cur")); return ;;
        --parity) COMPREPLY=($(compgen -W "none odd even" -- "$cur")); return ;;
        --format) COMPREPLY=($(compgen -W "0 1 2 3 csv csv-semicolon" -- "$cur")); return ;;
        --encoding) COMPREPLY=($(compgen -W "windows-1250 utf-8" -- "$cur")); return ;;
        --separator) COMPREPLY=($(compgen -W "comma dot" -- "$cur")); return ;;
        --record) COMPREPLY=($(compgen -W "all" -- "$cur")); return ;;
        --log) _lmk17_cli_files "log|csv|txt"; return ;;
    esac

    # The command: the words before the cursor that are not global options.
    local i word command=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ " $global_values " == *" $word "* ]]; then
            ((i++))
        elif [[ $word != -* && ${#command[@]} -lt 2 ]]; then
            command+=("$word")
        fi
    done

    local help
    help=$("$program" --help 2>/dev/null | sed -n '/^commands:/,$p')
    local first
    first=$(printf '%s\n' "$help" | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' | sort -u)
    if [[ ${#command[@]} -eq 0 ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$("$program" --help 2>/dev/null |
                sed -n '/^global options:/,/^$/p' | grep -o -- '--[a-z][a-z-]*')" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$first" -- "$cur"))
        fi
        return
    fi
    # A command of two words: its second word.
    local second
    second=$(printf '%s\n' "$help" | sed -n "s/^  ${command[0]} \([a-z][a-z-]*\)\( .*\)\?\$/\1/p")
    if [[ -n $second && ${#command[@]} -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$second" -- "$cur"))
        return
    fi
    [[ -z $second ]] && command=("${command[0]}")

    if [[ $cur == -* ]]; then
        local options
        options=$("$program" "${command[@]}" --help 2>/dev/null |
            sed -n '/^options:/,/^$/p' | grep -o -- '^  -[^ ]*\(, --[a-z-]*\)\?' |
            tr -d ' ' | tr ',' '\n')
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi
    case "${command[*]}" in
        "lin fit") _lmk17_cli_files "csv|txt|lin" ;;
        "lin show" | "lin print") _lmk17_cli_files "lin|pdf" ;;
        print) _lmk17_cli_files "ptf|pdf" ;;
        show | check | convert | write | ordering-code | read | defaults) _lmk17_cli_files "ptf" ;;
        *) _lmk17_cli_files "ptf|lin|csv|log|pdf" ;;
    esac
}

complete -F _lmk17_cli lmk17-cli
