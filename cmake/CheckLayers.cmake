cmake_minimum_required(VERSION 3.25)
# Fails when a source file includes a header of a layer above its own, or when one feature's views
# (or frames) use another feature's without a reason listed below (cmake -DROOT=... -P).
# The include trees stop plain upward includes at compile time; this catches what a path relative
# to the including file slips past them, so every path is resolved as the compiler would.
# Layers, ground first: db (the Access reader beside it); core and the Jet writer; the views'
# computations; graph painting (the GUI module, no widgets); shared widgets; frames and windows; the
# shell; the program. The web site stands on the views and the painting beside the widgets; the
# shell publishes it, and the duzedo tool stands on both and shows no window.

set(features "rankings|players|tournaments|misc|headtohead|fantasy|options")

# "feature uses-feature: reason", for views and for frames.
set(views_pairs
    "players rankings: a player's record and statistics read his ranking points"
    "headtohead rankings: the prediction weighs the players' ranking points"
    "headtohead players: the pair comparison counts the pair's games with the players' tally"
    "misc players: the totals are kept for the players of the player lists"
    "fantasy rankings: the league seeds its players by their ranking points"
    "fantasy tournaments: the league's players are picked from the tournament lists"
    "fantasy headtohead: the league's games are decided by the head-to-head prediction")
set(frames_pairs
    "players rankings: the player frame opens his ranking progress window")

function(layer_of path out)
    set(feature "")
    if(path MATCHES "^src/db/reader/")
        set(layer reader)
    elseif(path MATCHES "^src/db/")
        set(layer db)
    elseif(path MATCHES "^src/jetwriter/")
        set(layer jetwriter)
    elseif(path MATCHES "^src/core/")
        set(layer core)
    elseif(path MATCHES "^src/(${features})/ui/")
        set(layer frames)
        set(feature ${CMAKE_MATCH_1})
    elseif(path MATCHES "^src/(${features})/")
        set(layer views)
        set(feature ${CMAKE_MATCH_1})
    elseif(path MATCHES "^src/site/")
        set(layer site)
    elseif(path MATCHES "^src/painting/")
        set(layer painting)
    elseif(path MATCHES "^src/widgets/")
        set(layer widgets)
    elseif(path MATCHES "^src/shell/")
        set(layer shell)
    elseif(path MATCHES "^src/app/")
        set(layer program)
    elseif(path MATCHES "^tools/duzedo/")
        set(layer tool)
    else()
        set(layer other)
    endif()
    set(${out} ${layer} ${feature} PARENT_SCOPE)
endfunction()

set(allowed_db db)
set(allowed_reader db reader)
set(allowed_jetwriter db jetwriter)
set(allowed_core db core)
set(allowed_views db core views)
set(allowed_painting db core painting)
set(allowed_widgets db core views painting widgets)
set(allowed_frames db core views painting widgets frames)
set(allowed_shell db core views painting widgets frames site shell)
set(allowed_program db core views painting widgets frames site shell program)
set(allowed_site db core views painting site)
set(allowed_tool db jetwriter core views painting site tool)

# The header an include names, relative to ROOT, as the compiler finds it: the quoted form looks
# beside the including file first, then both forms in src/ and tools/. Empty for other headers.
function(resolve file form header out)
    get_filename_component(folder ${ROOT}/${file} DIRECTORY)
    set(places ${ROOT}/src ${ROOT}/tools)
    if(form STREQUAL "\"")
        list(PREPEND places ${folder})
    endif()
    foreach(place IN LISTS places)
        cmake_path(SET found NORMALIZE "${place}/${header}")
        if(EXISTS ${found} AND NOT IS_DIRECTORY ${found})
            cmake_path(RELATIVE_PATH found BASE_DIRECTORY ${ROOT})
            set(${out} ${found} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Sets fault when the file (layer, feature) may not include target (its layer, feature).
function(judge layer feature target target_feature out)
    set(fault "")
    if(NOT target IN_LIST allowed_${layer})
        set(fault "a higher layer (${target})")
    elseif(layer STREQUAL target AND feature AND NOT feature STREQUAL target_feature)
        list(FILTER ${layer}_pairs INCLUDE REGEX "^${feature} ${target_feature}:")
        if(NOT ${layer}_pairs)
            set(fault "${target_feature}'s ${target} with no reason listed")
        endif()
    endif()
    set(${out} "${fault}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/src/*.h ${ROOT}/src/*.cpp
     ${ROOT}/tools/duzedo/*.h ${ROOT}/tools/duzedo/*.cpp)
set(faults "")
foreach(file IN LISTS files)
    layer_of(${file} from)
    list(GET from 0 layer)
    if(layer STREQUAL "other")
        continue()
    endif()
    list(APPEND from "")
    list(GET from 1 feature)
    file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "include[ \t]*([<\"])([^>\"]+)" _ "${line}")
        resolve(${file} "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" header)
        if(NOT header)
            continue()
        endif()
        layer_of(${header} to)
        list(APPEND to "")
        list(GET to 0 target)
        list(GET to 1 target_feature)
        judge(${layer} "${feature}" ${target} "${target_feature}" fault)
        if(fault)
            string(APPEND faults "\n  ${file} includes ${header}: ${fault}")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes the layers do not allow:${faults}")
endif()
