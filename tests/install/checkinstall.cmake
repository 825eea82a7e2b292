# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that both programs, the
# desktop entry, its icon, the metainfo, the manual pages and the completion
# land where a desktop, man and bash look for them.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(app_id org.loopcalc.LoopCalc)
foreach(file bin/loopcalc bin/loopcalc-cli share/applications/${app_id}.desktop
             share/icons/hicolor/scalable/apps/${app_id}.svg share/metainfo/${app_id}.metainfo.xml
             share/man/man1/loopcalc.1.gz share/man/man1/loopcalc-cli.1.gz
             share/bash-completion/completions/loopcalc-cli)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# The module that draws the pictures, where the program looks for it: in a
# folder of its own in the library folder (lib or lib/<architecture>).
file(GLOB_RECURSE module ${prefix}/lib*/loopcalc/*loopcalc-pictures*)
if(NOT module)
    message(FATAL_ERROR "not installed: the picture module in lib*/loopcalc")
endif()
file(STRINGS ${prefix}/share/applications/${app_id}.desktop entry)
foreach(line "Exec=loopcalc" "Icon=${app_id}" "Type=Application")
    list(FIND entry "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
