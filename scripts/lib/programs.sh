# The programs, as the top CMakeLists.txt lists them in set(PROGRAMS ...), for scripts that run
# before a build; sourced, with $root set to the repository's folder.
mapfile -t programs < <(sed -n 's/^set(PROGRAMS \(.*\))$/\1/p' "$root/CMakeLists.txt" | tr ' ' '\n')
if [ ${#programs[@]} -eq 0 ]; then
    echo "$0: no set(PROGRAMS ...) line in $root/CMakeLists.txt" >&2
    exit 1
fi
# The lesson, a program beside them, from set(LESSON ...).
lesson=$(sed -n 's/^set(LESSON \(.*\))$/\1/p' "$root/CMakeLists.txt")
