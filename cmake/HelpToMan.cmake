# Writes a manual page from a program's --help text, so the page and the help
# say the same. Run as
#   cmake -DPROGRAM=<binary> -DNAME=<name> -DLOCALE=<LANG value> -DGERMAN=ON|OFF
#         -DVERSION=<version> -DOUTPUT=<file.1> -P HelpToMan.cmake
# The help text's shape: "Usage: <program> <arguments>" (continued on indented
# lines), paragraphs, headings such as "Options:" ending in a colon, and option
# lines "  --name <VALUE>  text" whose text goes on on deeper indented lines.

cmake_policy(VERSION 3.22)

set(ENV{LANG} "${LOCALE}")
set(ENV{LC_ALL} "${LOCALE}")
unset(ENV{LANGUAGE})
unset(ENV{LC_MESSAGES})
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()

if(GERMAN)
    set(nameHeading "BEZEICHNUNG")
    set(synopsisHeading "ÜBERSICHT")
    set(descriptionHeading "BESCHREIBUNG")
    set(optionsHeading "OPTIONEN")
    set(manual "Benutzerbefehle")
else()
    set(nameHeading "NAME")
    set(synopsisHeading "SYNOPSIS")
    set(descriptionHeading "DESCRIPTION")
    set(optionsHeading "OPTIONS")
    set(manual "User Commands")
endif()

# Roff: backslashes printed as such, hyphens as minus signs (options), no line
# read as a request. Semicolons and brackets stand in for themselves only after
# the text has been split into a CMake list.
function(roff text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE ";" "<semicolon>" help "${help}")
string(REPLACE "[" "<open>" help "${help}")
string(REPLACE "]" "<close>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

set(synopsis "")
set(summary "")
set(body "")
set(state inUsage) # inUsage, inProse, inEntry
set(sawOptions OFF)
foreach(line IN LISTS lines)
    if(state STREQUAL "inUsage")
        if(line MATCHES "^[^ ]+: ([^ ]+)(.*)$")
            get_filename_component(program "${CMAKE_MATCH_1}" NAME)
            set(synopsis "${CMAKE_MATCH_2}")
            continue()
        elseif(line MATCHES "^ +(.*)$")
            string(APPEND synopsis " ${CMAKE_MATCH_1}")
            continue()
        endif()
        set(state inProse)
        string(APPEND body ".SH ${descriptionHeading}\n")
    endif()
    if(line STREQUAL "")
        set(state inProse)
        string(APPEND body ".PP\n")
    elseif(line MATCHES "^([^ ].*):$")
        string(TOUPPER "${CMAKE_MATCH_1}" heading)
        set(sawOptions ON)
        string(APPEND body ".SH ${heading}\n")
    elseif(line MATCHES "^  ([^ ]+( [^ ]+)*)(  +(.*))?$")
        # An option or argument with its text.
        set(option "${CMAKE_MATCH_1}")
        set(text "${CMAKE_MATCH_4}")
        if(NOT sawOptions)
            set(sawOptions ON)
            string(APPEND body ".SH ${optionsHeading}\n")
        endif()
        roff("${option}" option)
        roff("${text}" text)
        string(APPEND body ".TP\n.B ${option}\n${text}\n")
        set(state inEntry)
    elseif(line MATCHES "^ +(.*)$" AND state STREQUAL "inEntry")
        roff("${CMAKE_MATCH_1}" text)
        string(APPEND body "${text}\n")
    else()
        if(summary STREQUAL "")
            # The first sentence, or the first line.
            string(FIND "${line}" ". " end)
            string(SUBSTRING "${line}" 0 ${end} summary)
            string(REGEX REPLACE "\\.$" "" summary "${summary}")
        endif()
        roff("${line}" text)
        string(APPEND body "${text}\n")
        set(state inProse)
    endif()
endforeach()
# Paragraph breaks after an option list belong to the text that follows.
string(REGEX REPLACE "\\.PP\n(\\.SH|$)" "\\1" body "${body}")
string(REGEX REPLACE "\\.PP\n$" "" body "${body}")

string(TOUPPER "${NAME}" title)
roff("${synopsis}" synopsis)
string(STRIP "${synopsis}" synopsis)
roff("${summary}" summary)
set(page ".\\\" Made from ${NAME} --help by HelpToMan.cmake; edit the help text, not this page.
.TH ${title} 1 \"\" \"Tagomat ${VERSION}\" \"${manual}\"
.SH ${nameHeading}
${NAME} \\- ${summary}
.SH ${synopsisHeading}
.B ${NAME}
${synopsis}
${body}")
string(REPLACE "<semicolon>" ";" page "${page}")
string(REPLACE "<open>" "[" page "${page}")
string(REPLACE "<close>" "]" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
