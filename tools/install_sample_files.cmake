# Copies the sample's files (the database, the diagram pictures) from SOURCE_DIR beside the
# program in TARGET_DIR. A file there whose hash is neither that of the last sample file copied
# nor that of the new one was put there by someone else (the user's own database or pictures) and
# stays.
file(GLOB names RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${PATTERN}")
foreach(name IN LISTS names)
    set(source "${SOURCE_DIR}/${name}")
    set(target "${TARGET_DIR}/${name}")
    # The database's stamp has kept its first name, so earlier copies stay recognised.
    set(stamp "${TARGET_DIR}/.${name}-sample.sha256")
    if(name STREQUAL "duzedo.mdb")
        set(stamp "${TARGET_DIR}/.duzedo-sample.sha256")
    endif()
    file(SHA256 "${source}" new_hash)
    if(EXISTS "${target}")
        file(SHA256 "${target}" current_hash)
        set(previous_hash "")
        if(EXISTS "${stamp}")
            file(READ "${stamp}" previous_hash)
        endif()
        if(NOT current_hash STREQUAL previous_hash AND NOT current_hash STREQUAL new_hash)
            message(STATUS "Keeping the user's own ${target}")
            continue()
        endif()
    endif()
    file(COPY_FILE "${source}" "${target}")
    file(WRITE "${stamp}" "${new_hash}")
endforeach()
