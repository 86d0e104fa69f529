# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the command line of the cue-writing build tool: --help describes it, a wrong command
# line or a missing directory fails with a message, and a good one writes the same two files the
# build ships.
#   cmake -DTOOL=<vantrello_make_cue_sounds> -DSHIPPED=<directory with the built cues>
#         -DSCRATCH=<scratch directory> -P check_make_cue_sounds.cmake

foreach(_variable IN ITEMS TOOL SHIPPED SCRATCH)
    if(NOT ${_variable})
        message(FATAL_ERROR "check_make_cue_sounds.cmake: ${_variable} is not set")
    endif()
endforeach()

# _run(<expected exit code> <output regex> [arguments...]): runs the tool and checks both.
function(_run expected_result output_regex)
    execute_process(COMMAND "${TOOL}" ${ARGN}
        RESULT_VARIABLE _result OUTPUT_VARIABLE _output ERROR_VARIABLE _errors)
    if(NOT _result STREQUAL "${expected_result}")
        message(FATAL_ERROR "'${ARGN}' ended with ${_result}, not ${expected_result}:\n"
            "${_output}${_errors}")
    endif()
    if(NOT "${_output}${_errors}" MATCHES "${output_regex}")
        message(FATAL_ERROR "'${ARGN}' printed nothing matching '${output_regex}':\n"
            "${_output}${_errors}")
    endif()
endfunction()

_run(0 "Usage: .*DIRECTORY.*--help" --help)
_run(2 "expected exactly one DIRECTORY, got 0")
_run(2 "expected exactly one DIRECTORY, got 2" a b)
_run(1 "Unknown option 'bogus'" --bogus "${SCRATCH}")
_run(1 "is not a directory" "${SCRATCH}/missing")

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
_run(0 "^$" "${SCRATCH}")
foreach(_cue IN ITEMS click.wav win.wav)
    if(NOT EXISTS "${SCRATCH}/${_cue}")
        message(FATAL_ERROR "the tool wrote no ${_cue}")
    endif()
    file(SHA256 "${SCRATCH}/${_cue}" _written)
    file(SHA256 "${SHIPPED}/${_cue}" _shipped)
    if(NOT _written STREQUAL _shipped)
        message(FATAL_ERROR "${_cue} written now differs from the one the build ships")
    endif()
endforeach()
