# SPDX-License-Identifier: MIT
# Used by tools/tidy.sh: the compile commands that check, each on its own,
# the sources the build compiles with a precompiled header (which hides a
# missing #include, as a unit of tools/tidy-units.awk may).
#   awk -v root=CHECKOUT/ -v out=FOLDER -f tools/compile-commands.awk -f tools/tidy-alone.awk \
#       SOURCES compile_commands.json compile_commands.json
# SOURCES holds the sources to check, one a line, relative to the checkout;
# the compile commands are read twice. A source the build also compiles
# without the header somewhere is left out. Writes FOLDER/N for each command
# left, a shell command line (the build's compiler and flags, without the
# header, -fsyntax-only), and prints N.

FNR == 1 { pass++ }
pass == 1 {
    wanted[root $0] = 1
    next
}
# First reading: the sources some command compiles without the header.
pass == 2 {
    if ($0 ~ /^ *"command": /) plain = $0 !~ /cmake_pch\.hxx/
    if ($0 ~ /^ *"file": / && plain) delete wanted[value($0)]
    next
}
/^ *"directory": / { directory = value($0) }
/^ *"command": .*cmake_pch\.hxx/ {
    command = value($0)
    gsub(/ -Winvalid-pch| -include [^ ]*\/cmake_pch\.hxx| -o [^ ]+/, "", command)
    # From JSON to the shell command CMake wrote.
    gsub(/\\\\/, "\001", command)
    gsub(/\\"/, "\"", command)
    gsub(/\001/, "\\", command)
    if (command ~ / -c /) pending = command
    next
}
/^ *"file": / && pending != "" {
    if (value($0) in wanted) {
        path = out "/" (++n)
        print "cd \"" directory "\" && " pending " -fsyntax-only" > path
        close(path)
        print n
    }
    pending = ""
}
/^ *"command": / { pending = "" }
