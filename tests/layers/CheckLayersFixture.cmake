cmake_minimum_required(VERSION 3.25)
# The layer check on a tree with one fault of each kind: each must be named, the allowed ones not.
# cmake -DCHECKER=... -P (the fixture lies beside this script).
set(root ${CMAKE_CURRENT_LIST_DIR}/fixture)
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${CHECKER}
                RESULT_VARIABLE failed ERROR_VARIABLE report)
if(NOT failed)
    message(FATAL_ERROR "The check passed a tree with faults")
endif()
# Angle brackets, a path climbing out of its folder, a path relative to the file, another
# feature's view, another feature's frame.
foreach(fault db/Angle.h db/Climb.h core/Relative.h rankings/Cross.h rankings/ui/Frame.h)
    if(NOT report MATCHES "src/${fault} includes")
        message(FATAL_ERROR "Missed the fault in ${fault}:\n${report}")
    endif()
endforeach()
# Frames using any view, and a listed pair of features.
foreach(allowed misc/ui/OtherFrame.h players/Listed.h)
    if(report MATCHES "src/${allowed} includes")
        message(FATAL_ERROR "Refused ${allowed}, which is allowed:\n${report}")
    endif()
endforeach()
