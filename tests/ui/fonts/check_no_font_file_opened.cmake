# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROBE under strace and fails if the process opens (or tries to open) a font file: every
# face the program draws with must come from the data embedded in it.
#   cmake -DSTRACE=<strace> -DPROBE=<program> -DLOG=<trace file> -P check_no_font_file_opened.cmake

foreach(_variable IN ITEMS PROBE LOG)
    if(NOT ${_variable})
        message(FATAL_ERROR "check_no_font_file_opened.cmake: ${_variable} is not set")
    endif()
endforeach()
if(NOT STRACE OR NOT EXISTS "${STRACE}")
    message(FATAL_ERROR
        "strace is missing, so font file opens cannot be traced. Install the Debian package "
        "'strace' (apt-get install strace).")
endif()

file(REMOVE "${LOG}")
# Every call that opens a file by name, whichever the C library uses.
execute_process(
    COMMAND "${STRACE}" -f -qq -e "trace=/^open(at2?)?$" -o "${LOG}" "${PROBE}"
    RESULT_VARIABLE _result
    OUTPUT_VARIABLE _output
    ERROR_VARIABLE _errors)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "The probe under strace failed (${_result}):\n${_output}${_errors}")
endif()

file(STRINGS "${LOG}" _opens REGEX "open")
if(NOT _opens)
    message(FATAL_ERROR "strace recorded no open call in ${LOG}; the trace proves nothing.")
endif()

# Font files by extension, matched case-insensitively; a failed attempt counts as well.
set(_font_file "\"[^\"]*\\.([Tt][Tt][FfCc]|[Oo][Tt][FfCc]|[Pp][Ff][AaBb]|[Pp][Cc][Ff](\\.[Gg][Zz])?|[Ww][Oo][Ff][Ff]2?)\"")
set(_font_opens "")
foreach(_line IN LISTS _opens)
    if(_line MATCHES "${_font_file}")
        string(APPEND _font_opens "  ${_line}\n")
    endif()
endforeach()
if(_font_opens)
    message(FATAL_ERROR "The program opened font files from disk:\n${_font_opens}")
endif()
list(LENGTH _opens _count)
message(STATUS "${_output}No font file among ${_count} traced opens.")
