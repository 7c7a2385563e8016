# default_layout DATA-FOLDER PROGRAM: prints the default layout in the language the program speaks,
# which the program itself chooses by its rule (gettext's): DATA-FOLDER/<language>/qmsheet.rav
# when that language has a layout of its own, DATA-FOLDER/qmsheet.rav otherwise.
default_layout() {
    local data=$1 language
    language=$("$2" --layout-language 2>/dev/null) || language=
    case $language in
    '' | */* | .*) echo "$data/qmsheet.rav" ;;
    *) if [ -f "$data/$language/qmsheet.rav" ]; then
        echo "$data/$language/qmsheet.rav"
    else
        echo "$data/qmsheet.rav"
    fi ;;
    esac
}
