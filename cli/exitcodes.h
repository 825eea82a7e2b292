// SPDX-License-Identifier: MIT
// Exit codes of loopcalc-cli. The usage and data codes follow the BSD
// sysexits values that scripts already know.
#pragma once

namespace loopcalc::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitRefused = 2,     ///< an input failed its check
    kExitOutOfRange = 3,  ///< the result lies outside the units the display covers
    kExitUsage = 64,      ///< unknown command or option, missing value
    kExitDataError = 65,  ///< the batch input is not CSV with a shape column
    kExitNoInput = 66,    ///< the batch file cannot be opened
    kExitIoError = 74,    ///< reading the input or writing the output failed midway
};

}  // namespace loopcalc::cli
