# Fails when the committed sample log differs from what the generator makes.
# EMULATOR runs a cross-built generator (Wine); it is empty for a native one.
execute_process(COMMAND ${EMULATOR} "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}"
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} is not what the generator makes; regenerate it")
endif()
