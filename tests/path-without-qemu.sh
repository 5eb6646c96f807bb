# Sourced: fills the directory $1 with links to every command of this machine except those
# whose names match the further arguments (globs), for a PATH on which they are missing, as
# on a fresh machine.
path_without() {
    local dir=$1 f name pattern
    shift
    mkdir -p "$dir"
    for f in /usr/local/bin/* /usr/bin/*; do
        name=${f##*/}
        for pattern in "$@"; do
            # shellcheck disable=SC2053
            [[ $name == $pattern ]] && continue 2
        done
        [ -e "$dir/$name" ] || ln -s "$f" "$dir/$name"
    done
}

path_without_qemu() { path_without "$1" 'qemu-i386*'; }
