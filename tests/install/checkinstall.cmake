# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that both programs, the
# desktop entry and its icon land where a desktop looks for them.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/loopcalc bin/loopcalc-cli share/applications/loopcalc.desktop
             share/icons/hicolor/scalable/apps/loopcalc.svg)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(STRINGS ${prefix}/share/applications/loopcalc.desktop entry)
foreach(line "Exec=loopcalc" "Icon=loopcalc" "Type=Application")
    list(FIND entry "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
