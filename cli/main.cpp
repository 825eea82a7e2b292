// SPDX-License-Identifier: MIT
// loopcalc-cli: the calculators from a terminal or a script.
#include "commandline.h"

#include <iostream>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // UTF-8 to the console, and LF line ends as written (no CRLF translation).
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#else
    // A write beyond the file-size limit fails like one to a full disk (exit
    // 74 with a message) instead of raising SIGXFSZ, which would end the
    // program in mid-row without a word. A handler given to us is kept.
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
#endif
    // The C++ streams need not stay in step with C stdio: nothing here uses it.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return loopcalc::cli::RunCommandLine(args, std::cin, std::cout, std::cerr);
}
