# vpa_windows_program(target): on Windows, the program carries the project's manifest (UTF-8 as
# its 8-bit code page, long paths, run as the user). Nothing elsewhere.
function(vpa_windows_program target)
    if(WIN32)
        set(folder ${PROJECT_SOURCE_DIR}/packaging/windows)
        target_sources(${target} PRIVATE ${folder}/program.rc)
        # The resource compiler looks for the manifest it names in its include folders.
        set_property(SOURCE ${folder}/program.rc TARGET_DIRECTORY ${target} APPEND
                     PROPERTY INCLUDE_DIRECTORIES ${folder})
    endif()
endfunction()
