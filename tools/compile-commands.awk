# SPDX-License-Identifier: MIT
# Shared by the awk programs that read CMake's compile_commands.json, which
# CMake writes one key to a line: the value of a "directory", "command" or
# "file" line, as written there (JSON escapes left in).
function value(line) {
    sub(/^ *"[a-z]+": "/, "", line)
    sub(/",?$/, "", line)
    return line
}
