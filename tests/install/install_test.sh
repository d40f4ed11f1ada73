#!/usr/bin/env bash
# The installed tool as a desktop finds it: `cmake --install` into a staging folder (DESTDIR),
# then one check per call:
#   install_test.sh stage     BUILD STAGE PREFIX VERSION DATE   install the build into STAGE
#   install_test.sh CHECK     BUILD STAGE PREFIX VERSION DATE   run CHECK (a function below)
# VERSION and DATE: the release the build is (1.1.0, 2026-12-11).
set -uo pipefail

check=$1 build=$2 stage=$3 prefix=$4 version=$5 date=$6
root=$stage$prefix
app_id=io.github.qv7100_tool.qv7100
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A PNG's width and height from its header (bytes 16..23, big-endian).
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

stage() {
    rm -rf "$stage"
    DESTDIR=$stage cmake --install "$build" >/dev/null || fail "cmake --install"
}

files_where_the_desktop_looks() {
    for program in qv7100 qv7100-cli; do
        [ -x "$root/bin/$program" ] || fail "bin/$program is not an installed program"
    done
    for file in \
        "share/applications/$app_id.desktop" \
        "share/metainfo/$app_id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" \
        share/man/man1/qv7100.1.gz \
        share/man/man1/qv7100-cli.1.gz \
        share/bash-completion/completions/qv7100-cli \
        share/doc/qv7100/copyright \
        share/doc/qv7100/changelog.gz \
        share/qv7100/manual/qv7100-manual.zh_CN.html \
        share/qv7100/manual/qv7100-manual.en.html \
        lib/udev/rules.d/70-qv7100-cable.rules; do
        [ -s "$root/$file" ] || fail "$file is missing"
    done
    for size in 16 22 24 32 48 64 128 256; do
        local png=$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        if [ ! -s "$png" ]; then
            fail "no ${size}x${size} icon"
        elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
            fail "the ${size}x${size} icon is $(png_size "$png")"
        fi
    done
    grep -qx "Icon=$app_id" "$root/share/applications/$app_id.desktop" ||
        fail "the desktop entry does not name the installed icon"
    grep -qx "Exec=qv7100" "$root/share/applications/$app_id.desktop" ||
        fail "the desktop entry does not start qv7100"
    # Nothing else may sit beside the programs.
    local extra
    extra=$(ls "$root/bin" | grep -vx -e qv7100 -e qv7100-cli)
    [ -z "$extra" ] || fail "bin holds more than the programs: $extra"
}

desktop_entry_and_metainfo_validate() {
    desktop-file-validate "$root/share/applications/$app_id.desktop" ||
        fail "desktop-file-validate"
    appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" ||
        fail "appstreamcli validate"
    grep -q '^Name\[zh_CN\]=' "$root/share/applications/$app_id.desktop" ||
        fail "no Chinese name in the desktop entry"
    grep -q '^Comment\[zh_CN\]=' "$root/share/applications/$app_id.desktop" ||
        fail "no Chinese comment in the desktop entry"
    grep -q '<summary xml:lang="zh_CN">' "$root/share/metainfo/$app_id.metainfo.xml" ||
        fail "no Chinese summary in the metainfo"
}

# The installed program's --help, of the program or of one command, asked once per check.
help_of() {
    local file=$help_cache/${1:-main}
    [ -f "$file" ] || "$root/bin/qv7100-cli" ${1:+"$1"} --help >"$file"
    cat "$file"
}
help_cache=$(mktemp -d)
trap 'rm -rf "$help_cache"' EXIT

# The commands, and each command's options, as the installed program's --help lists them.
help_commands() {
    help_of | awk 'tolower($0) ~ /^subcommands:/ { on = 1; next } on && NF { print $1 }'
}
help_options() {
    help_of "$1" | grep -o -- '--[a-z][a-z0-9-]*' | sort -u
}
help_faults() {
    help_of simulate | awk '/How the radio misbehaves/ { on = 1; next } on && /^ +[a-z]/ { print $1 }'
}

manual_pages_cover_the_command_line() {
    local page text
    for page in qv7100 qv7100-cli; do
        local warnings
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
            "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man $page warns: $warnings"
    done
    text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/share/man/man1/qv7100-cli.1.gz" 2>/dev/null)
    local commands
    commands=$(help_commands)
    [ -n "$commands" ] || fail "qv7100-cli --help lists no command"
    for command in $commands; do
        grep -q "qv7100-cli $command" <<<"$text" || fail "the manual page has no '$command'"
        for option in $(help_options "$command"); do
            grep -q -- "$option" <<<"$text" || fail "the manual page lacks $command $option"
        done
    done
    for fault in $(help_faults); do
        grep -q -- "${fault%%:*}" <<<"$text" || fail "the manual page lacks the fault $fault"
    done
}

# The manual pages name the files the programs keep: the settings beside the parameter file and
# the backups folder.
manual_pages_name_the_files() {
    local page text
    for page in qv7100 qv7100-cli; do
        text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/share/man/man1/$page.1.gz" 2>/dev/null)
        for file in qv7100.conf '$XDG_DATA_HOME/qv7100/backups' '~/.local/share/qv7100/backups' \
            '~/.config/qv7100/parameter'; do
            [ "$page" = qv7100-cli ] && [ "$file" = '~/.config/qv7100/parameter' ] && continue
            grep -qF -- "$file" <<<"$text" || fail "man $page does not name $file"
        done
    done
}

# The release, named alike by both programs, the metainfo, the package changelog and the manual
# pages.
release_is_named_everywhere() {
    local said
    said=$("$root/bin/qv7100-cli" --version)
    [ "$said" = "qv7100-cli $version" ] || fail "qv7100-cli --version says '$said'"
    said=$(QT_QPA_PLATFORM=offscreen timeout 20 "$root/bin/qv7100" --version)
    [ "$said" = "qv7100 $version" ] || fail "qv7100 --version says '$said'"
    local metainfo=$root/share/metainfo/$app_id.metainfo.xml
    # The newest release first, with its date and what it brought.
    said=$(grep -o '<release [^>]*>' "$metainfo" | head -n 1)
    [ "$said" = "<release version=\"$version\" date=\"$date\">" ] ||
        fail "the metainfo's newest release is $said"
    sed -n "/<release version=\"$version\"/,/<\/release>/p" "$metainfo" | grep -q '<li>' ||
        fail "the metainfo does not say what $version brought"
    said=$(zcat "$root/share/doc/qv7100/changelog.gz" | head -n 1)
    [ "$said" = "qv7100 ($version) unstable; urgency=medium" ] ||
        fail "the changelog begins with '$said'"
    zcat "$root/share/doc/qv7100/changelog.gz" | grep -m1 '^ -- ' |
        grep -q "$(LC_ALL=C date -u -d "$date" '+%a, %d %b %Y')" ||
        fail "the changelog's newest entry is not dated $date"
    for page in qv7100 qv7100-cli; do
        zcat "$root/share/man/man1/$page.1.gz" | grep -q "^\.TH .* \"$date\" \"qv7100 $version\"" ||
            fail "man $page does not name $version of $date"
    done
}

# The cables' udev rule as udev would read it: `udevadm verify` where this system's udevadm has
# the verb (systemd 253 and later); otherwise a check of its own that every line is a list of
# KEY{attribute} OP "value" items with keys and operators udev knows, and every GOTO has its LABEL.
udev_rule_is_valid() {
    local rule=$root/lib/udev/rules.d/70-qv7100-cable.rules
    [ -s "$rule" ] || { fail "no udev rule installed"; return; }
    grep -q 'TAG+="uaccess"' "$rule" || fail "the rule gives no one the port"
    grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$rule" || fail "the rule does not keep ModemManager off"
    if command -v udevadm >/dev/null && udevadm verify --help >/dev/null 2>&1; then
        udevadm verify --resolve-names=never "$rule" || fail "udevadm verify $rule"
        return
    fi
    echo "SKIPPED udevadm verify: this system has no udevadm with that verb; the syntax was checked here"
    local match='(ACTION|KERNEL|SUBSYSTEM|SUBSYSTEMS|ATTRS?\{[A-Za-z_]+\}|ENV\{[A-Z_]+\}|TAG)(==|!=)'
    local assign='(TAG|ENV\{[A-Z_]+\}|GOTO|LABEL|MODE|GROUP)(=|\+=|:=)'
    local item="($match|$assign)\"[^\"]*\""
    local gotos labels number=0 text line
    gotos=$(grep -o 'GOTO="[^"]*"' "$rule" | sort -u)
    labels=$(grep -o 'LABEL="[^"]*"' "$rule" | sed 's/^LABEL/GOTO/' | sort -u)
    [ -z "$(comm -23 <(echo "$gotos") <(echo "$labels"))" ] || fail "a GOTO without its LABEL"
    text=""
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        if [[ $line == *\\ ]]; then
            text+="${line%\\} "
            continue
        fi
        text+=$line
        if [[ -n ${text//[[:space:]]/} && ! $text =~ ^[[:space:]]*# ]]; then
            [[ $text =~ ^$item(,[[:space:]]*$item)*$ ]] || fail "rule line $number: $text"
        fi
        text=""
    done <"$rule"
}

# What bash offers for a command line typed up to its last word.
complete_line() {
    bash --norc --noprofile -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _qv7100_cli
        printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$root/share/bash-completion/completions/qv7100-cli" "$@"
}

bash_completion() {
    local work
    work=$(mktemp -d)
    mkdir "$work/radios"
    touch "$work/shop.DAT" "$work/spare.dat" "$work/notes.txt" "$work/plan.csv" "$work/pool.CSV" \
        "$work/text.yaml" "$work/tour.YML"
    local offered
    offered=$(complete_line qv7100-cli "" | sort | tr '\n' ' ')
    local expected
    expected=$( (help_commands; echo --help; echo --version) | sort | tr '\n' ' ')
    [ "$offered" = "$expected" ] || fail "commands: offered '$offered', --help has '$expected'"
    for command in $(help_commands); do
        offered=$(complete_line qv7100-cli "$command" -- | sort | tr '\n' ' ')
        expected=$(help_options "$command" | tr '\n' ' ')
        [ "$offered" = "$expected" ] ||
            fail "$command options: offered '$offered', --help has '$expected'"
    done
    offered=$(complete_line qv7100-cli simulate --fault "" | sed 's/:$//' | sort | tr '\n' ' ')
    expected=$(help_faults | sed 's/:N$//' | sort | tr '\n' ' ')
    [ "$offered" = "$expected" ] || fail "faults: offered '$offered', --help has '$expected'"
    # Each line: what is typed, then what must be offered (a word per blank).
    local cases=(
        "read --port C|COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"
        "write --port COM|COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"
        "detect --port COM|COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"
        "detect --port COM1 |--help --json --port"
        "simulate --band |0 1 2 3 4 5"
        "simulate --fault no|no-reply: none"
        "simulate --fault cab|cable-pulled:"
        "show $work/|$work/radios $work/shop.DAT $work/spare.dat $work/text.yaml $work/tour.YML"
        "convert $work/shop.DAT $work/t|$work/text.yaml $work/tour.YML"
        "show --y|--yaml"
        "write --port COM1 $work/s|$work/shop.DAT $work/spare.dat"
        "simulate --image $work/sh|$work/shop.DAT"
        "simulate --shelf-bands |0 1 2 3 4 5"
        "station --port COM|COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"
        "station $work/s|$work/shop.DAT $work/spare.dat"
        "station --roster $work/p|$work/plan.csv $work/pool.CSV"
        "station --log $work/pl|$work/plan.csv"
        "station --line1 |"
        "resave $work/shop.DAT $work/n|"
        "import-csv $work/s|$work/shop.DAT $work/spare.dat"
        "import-csv $work/shop.DAT $work/p|$work/plan.csv $work/pool.CSV"
        "import-csv $work/shop.DAT $work/plan.csv $work/s|$work/shop.DAT $work/spare.dat"
        "import-csv --from-channel 3 $work/shop.DAT $work/pl|$work/plan.csv"
        "import-csv --from-channel 4|4 40 41 42 43 44 45 46 47 48"
        "import-csv --at|--at-location"
        "export-csv $work/shop.DAT $work/p|$work/plan.csv $work/pool.CSV"
    )
    local case typed wanted
    for case in "${cases[@]}"; do
        typed=${case%%|*}
        wanted=${case#*|}
        read -ra words <<<"$typed"
        [[ $typed == *" " ]] && words+=("")
        offered=$(complete_line qv7100-cli "${words[@]}" | sort | tr '\n' ' ')
        offered=${offered% }
        [ "$offered" = "$wanted" ] || fail "'qv7100-cli $typed': offered '$offered', wanted '$wanted'"
    done
    rm -rf "$work"
}

"$check"
[ "$failures" -eq 0 ] || exit 1
