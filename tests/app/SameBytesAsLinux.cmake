# Converts one log with the Windows program (under its emulator) and with the
# Linux program, and fails unless the ADIF bytes are the same, the header's
# time stamp apart. Says "skipped: no Linux program" and ends when there is none,
# which the test's SKIP_REGULAR_EXPRESSION turns into a skip: a script cannot
# choose its exit status before CMake 3.29, and Debian 12 has 3.25.
if(NOT EXISTS "${LINUX_PROGRAM}")
    message("skipped: no Linux program at ${LINUX_PROGRAM}; build the default preset first")
    return()
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${EMULATOR} "${WINDOWS_PROGRAM}" -o "${WORK}/windows.ADI" "${LOG}"
                RESULT_VARIABLE windowsStatus)
execute_process(COMMAND "${LINUX_PROGRAM}" -o "${WORK}/linux.ADI" "${LOG}"
                RESULT_VARIABLE linuxStatus)
if(NOT windowsStatus EQUAL 0 OR NOT linuxStatus EQUAL 0)
    message(FATAL_ERROR "a conversion failed: Windows ${windowsStatus}, Linux ${linuxStatus}")
endif()
# The bytes in hexadecimal without the second line, "created by ... on
# dd-mmm-yyyy hh:nn:ss UTC", which holds the time.
function(without_time_stamp hex result)
    set(position 0)
    set(ends)
    list(LENGTH ends count)
    while(count LESS 2)
        string(SUBSTRING "${hex}" ${position} -1 rest)
        string(FIND "${rest}" "0d0a" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "an ADIF file without its header")
        endif()
        math(EXPR at "${position} + ${at}")
        math(EXPR odd "${at} % 2")
        if(NOT odd) # a CR LF of its own, not the halves of two bytes
            math(EXPR end "${at} + 4")
            list(APPEND ends ${end})
        endif()
        math(EXPR position "${at} + 1")
        list(LENGTH ends count)
    endwhile()
    list(GET ends 0 firstEnd)
    list(GET ends 1 secondEnd)
    string(SUBSTRING "${hex}" 0 ${firstEnd} head)
    string(SUBSTRING "${hex}" ${secondEnd} -1 tail)
    set(${result} "${head}${tail}" PARENT_SCOPE)
endfunction()

foreach(side IN ITEMS windows linux)
    file(READ "${WORK}/${side}.ADI" bytes HEX)
    without_time_stamp("${bytes}" ${side})
endforeach()
string(LENGTH "${windows}" length)
if(NOT windows STREQUAL linux OR length LESS 200)
    message(FATAL_ERROR "the Windows and Linux programs wrote different ADIF files")
endif()
