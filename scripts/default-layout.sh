# default_layout DATA-FOLDER: prints the default layout for the desktop's language, chosen by
# gettext's rule as the program chooses its own language: English when LC_ALL, else LC_MESSAGES,
# else LANG names the C or POSIX locale; otherwise the first language of LANGUAGE (or of that
# locale) with a layout of its own in DATA-FOLDER/<language>/, English when none has one.
default_layout() {
    local data=$1 locale=${LC_ALL:-${LC_MESSAGES:-${LANG:-}}} entry candidate
    local -a languages
    case $locale in
    '' | C | POSIX | C.* | C@*) echo "$data/qmsheet.rav"; return ;;
    esac
    IFS=: read -r -a languages <<<"${LANGUAGE:-$locale}"
    for entry in "${languages[@]}"; do
        entry=${entry%%[.@]*}
        for candidate in "$entry" "${entry%%_*}"; do
            case $candidate in
            '') ;;
            en) echo "$data/qmsheet.rav"; return ;;
            *) [ -f "$data/$candidate/qmsheet.rav" ] && { echo "$data/$candidate/qmsheet.rav"; return; } ;;
            esac
        done
    done
    echo "$data/qmsheet.rav"
}
