# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Embeds files in the program byte for byte, each in a read-only section, 64-byte aligned, by
# the assembler's .incbin: the program reads them where they lie, with no resource system,
# decoding or copy in between, and no file is opened at run time.
#
#   vantrello_embed(<name> <fields> <file> [ALIGN <bytes>])
#
# adds <file> to the embedding <name>, aligned to 64 bytes or to <bytes> (a power of two). It
# appends to the caller's variables
#   <name>_FILES         the file (make the generated source depend on these: OBJECT_DEPENDS),
#   <name>_ASM           the assembler lines, as C++ string literals,
#   <name>_DECLARATIONS  the C++ declaration of the file's symbol, an unsigned char array,
#   <name>_TABLE         an initializer "{<fields>, <symbol>}," for a table of the caller's type.
# A source made by configure_file from a template holding
#   asm(".pushsection .rodata.<name>, \"a\"\n" @<name>_ASM@ ".popsection\n");
#   extern "C" { @<name>_DECLARATIONS@ }
#   ... table[] = { @<name>_TABLE@ };
# embeds them. The file's path goes into an assembler string, so it may hold no quote or
# backslash.
function(vantrello_embed name fields file)
    cmake_parse_arguments(PARSE_ARGV 3 _embed "" "ALIGN" "")
    if(NOT _embed_ALIGN)
        set(_embed_ALIGN 64)
    endif()
    if(file MATCHES "[\"\\]")
        message(FATAL_ERROR "vantrello_embed: the path ${file} holds a quote or a backslash; "
            "choose a build directory without them.")
    endif()
    list(LENGTH ${name}_FILES index)
    set(symbol "vantrello_${name}_${index}")
    set(files ${${name}_FILES} "${file}")
    set(${name}_FILES ${files} PARENT_SCOPE)
    set(${name}_ASM
        "${${name}_ASM}    \".balign ${_embed_ALIGN}\\n.globl ${symbol}\\n.hidden ${symbol}\\n${symbol}:\\n\"\n    \".incbin \\\"${file}\\\"\\n\"\n"
        PARENT_SCOPE)
    set(${name}_DECLARATIONS
        "${${name}_DECLARATIONS}__attribute__((visibility(\"hidden\"))) extern const unsigned char ${symbol}[];\n"
        PARENT_SCOPE)
    set(${name}_TABLE "${${name}_TABLE}    {${fields}, ${symbol}},\n" PARENT_SCOPE)
endfunction()
