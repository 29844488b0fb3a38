# Writes a manual page in roff from what a program prints for --help and
# --version, so that the page never says other than the program does.
#   cmake -DPROGRAM=path -DNAME=lmk17-cli -DSUMMARY="..." -DOUT=file.1
#         [-DCOMMANDS=ON] [-DSEE_ALSO="lmk17(1), lmk17-sim(1)"] -P ManPage.cmake
# With COMMANDS, every command of the global help's "commands:" list gets its
# own subsection from "PROGRAM COMMAND --help".
cmake_minimum_required(VERSION 3.22)

function(run_help out_var)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} ${ARGN}
                    OUTPUT_VARIABLE text RESULT_VARIABLE rc TIMEOUT 60)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${ARGN}: exit ${rc}")
    endif()
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff takes it verbatim inside .nf: backslashes and minus signs
# escaped, a line that starts with a dot or an apostrophe protected.
function(roff_escape out_var text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# The help split at its first blank line: the usage lines, then the rest.
function(split_usage help usage_var rest_var)
    string(FIND "${help}" "\n\n" cut)
    if(cut LESS 0)
        set(usage "${help}")
        set(rest "")
    else()
        string(SUBSTRING "${help}" 0 ${cut} usage)
        math(EXPR from "${cut} + 2")
        string(SUBSTRING "${help}" ${from} -1 rest)
    endif()
    string(REGEX REPLACE "(^|\n)usage: " "\\1" usage "${usage}")
    string(REGEX REPLACE "(^|\n) +" "\\1" usage "${usage}")
    set(${usage_var} "${usage}" PARENT_SCOPE)
    set(${rest_var} "${rest}" PARENT_SCOPE)
endfunction()

run_help(version --version)
string(STRIP "${version}" version)
run_help(help --help)
# The manual's folder as found beside the build is no fact of an installed program.
string(REGEX REPLACE "\nThe manual: [^\n]*\n" "\n" help "${help}")
split_usage("${help}" usage rest)
roff_escape(usage "${usage}")
string(REPLACE "\n" "\n.br\n" usage "${usage}")
roff_escape(rest "${rest}")
roff_escape(summary "${SUMMARY}")
string(TOUPPER "${NAME}" title)
roff_escape(title "${title}")
roff_escape(name "${NAME}")

set(page ".TH \"${title}\" \"1\" \"\" \"${version}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${name} \\- ${summary}\n")
string(APPEND page ".SH SYNOPSIS\n${usage}\n")
string(APPEND page ".SH DESCRIPTION\n.nf\n${rest}.fi\n")

if(COMMANDS)
    string(APPEND page ".SH COMMANDS\n")
    string(FIND "${help}" "\ncommands:\n" at)
    string(SUBSTRING "${help}" ${at} -1 list)
    string(REGEX MATCHALL "\n  [a-z][a-z-]*( [a-z][a-z-]*)?" heads "${list}")
    foreach(head IN LISTS heads)
        string(STRIP "${head}" command)
        string(REGEX MATCH "^[a-z-]+( [a-z-]+)?" command "${command}")
        # "frame read PARAM ..." names the two-word command; "show FILE.ptf" one word.
        separate_arguments(words UNIX_COMMAND "${command}")
        list(LENGTH words count)
        if(count EQUAL 2)
            execute_process(COMMAND ${PROGRAM} ${words} --help OUTPUT_VARIABLE probe
                            RESULT_VARIABLE rc TIMEOUT 60)
            if(NOT probe MATCHES "^usage: [^\n]* ${command}")
                list(GET words 0 words)
            endif()
        endif()
        run_help(own ${words} --help)
        split_usage("${own}" own_usage own_rest)
        roff_escape(own_usage "${own_usage}")
        roff_escape(own_rest "${own_rest}")
        string(REPLACE ";" " " shown "${words}")
        string(APPEND page ".SS ${shown}\n.nf\n${own_usage}\n\n${own_rest}.fi\n")
    endforeach()
endif()
if(SEE_ALSO)
    roff_escape(see_also "${SEE_ALSO}")
    string(APPEND page ".SH SEE ALSO\n${see_also}\n")
endif()
file(WRITE "${OUT}" "${page}")
if(GZIP)
    execute_process(COMMAND ${GZIP} -9nf "${OUT}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "gzip ${OUT}: exit ${rc}")
    endif()
endif()
