# Installs the build into PREFIX and checks the tree: the programs and their files in one folder,
# links on the PATH that run, and the desktop files valid where the validators are installed.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

file(GLOB program_dir ${PREFIX}/lib*/vpastats)
foreach(file VPAStats vpa_mdbreader duzedo duzedo.mdb Gr7R1.bmp wc2plout.bmp)
    if(NOT EXISTS ${program_dir}/${file})
        message(FATAL_ERROR "not installed: ${file} (in '${program_dir}')")
    endif()
endforeach()
set(share ${PREFIX}/share)
foreach(file applications/org.velmoor.vpastats.desktop
             icons/hicolor/scalable/apps/org.velmoor.vpastats.svg
             metainfo/org.velmoor.vpastats.metainfo.xml)
    if(NOT EXISTS ${share}/${file})
        message(FATAL_ERROR "not installed: share/${file}")
    endif()
endforeach()

# Through the link: the tool finds the reader beside its real self and reads the Access sample.
execute_process(COMMAND ${PREFIX}/bin/duzedo report months ${program_dir}/duzedo.mdb
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output MATCHES "cmbRankMonth")
    message(FATAL_ERROR "the installed duzedo does not run: ${status} ${errors}")
endif()
if(NOT IS_SYMLINK ${PREFIX}/bin/VPAStats)
    message(FATAL_ERROR "bin/VPAStats is not a link to the program")
endif()

find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
    execute_process(COMMAND ${DESKTOP_VALIDATE} ${share}/applications/org.velmoor.vpastats.desktop
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "desktop entry: ${output}")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                            ${share}/metainfo/org.velmoor.vpastats.metainfo.xml
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "AppStream data: ${output}")
    endif()
endif()
