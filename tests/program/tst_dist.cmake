# make dist on a program folder that has been used: every user file is there beside the
# program's, and the password has been changed. The zip must hold the program's files
# only, with a password file holding the first password; a folder missing one of the
# program's files must give no zip at all.
#   cmake -DMAKE_DIST=<MakeDist.cmake> -DFIRST_PASSWORD=<tool> -DWORK=<folder> -P tst_dist.cmake
cmake_minimum_required(VERSION 3.24)

set(failures 0)
macro(fail message)
    message(SEND_ERROR "${message}")
    math(EXPR failures "${failures} + 1")
endmacro()

set(program_files corvanta Guida.pdf translations/qtbase_it.qm corvanta.desktop corvanta.svg)
set(user_files Parco_Automezzi.pro Costi_Veicolo_1.pro Costi_Veicolo_12.pro Autoparco/Scheda_Veicolo_1.jpg
    Documenti_Allegati/libretto.pdf Parco_Automezzi.xls Corvanta.ini Copie_di_sicurezza/Corvanta_2026-12-10_083000.zip)
set(changed_password "[Password]\nValue=changed\n")

# A used program folder in WORK/<name>/, without the files named in ARGN.
function(used_folder name)
    set(folder ${WORK}/${name})
    file(REMOVE_RECURSE ${folder})
    foreach(file ${program_files} ${user_files})
        if(NOT file IN_LIST ARGN)
            file(WRITE ${folder}/${file} "${file}\n")
        endif()
    endforeach()
    if(EXISTS ${folder}/corvanta)
        file(CHMOD ${folder}/corvanta PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    endif()
    file(WRITE ${folder}/unins000.dll "${changed_password}")
endfunction()

function(make_dist folder archive result)
    execute_process(COMMAND ${CMAKE_COMMAND} -DPROGRAM_DIR=${folder} -DFIRST_PASSWORD=${FIRST_PASSWORD}
        -DARCHIVE=${archive} -P ${MAKE_DIST} RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
    set(${result} ${code} PARENT_SCOPE)
endfunction()

# A used folder: the program's files and a first password file, nothing else.
used_folder(used)
make_dist(${WORK}/used ${WORK}/used.zip code)
if(NOT code EQUAL 0 OR NOT EXISTS ${WORK}/used.zip)
    fail("make dist failed on a complete program folder")
else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${WORK}/used.zip OUTPUT_VARIABLE listing)
    string(REPLACE "\n" ";" entries "${listing}")
    set(files "")
    foreach(entry ${entries})
        if(NOT entry MATCHES "/$")
            list(APPEND files ${entry})
        endif()
    endforeach()
    set(expected "")
    foreach(file ${program_files} unins000.dll)
        list(APPEND expected Corvanta/${file})
    endforeach()
    list(SORT files)
    list(SORT expected)
    if(NOT files STREQUAL expected)
        fail("the zip holds\n  ${files}\ninstead of\n  ${expected}")
    endif()

    file(REMOVE_RECURSE ${WORK}/unpacked)
    file(MAKE_DIRECTORY ${WORK}/unpacked)
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${WORK}/used.zip WORKING_DIRECTORY ${WORK}/unpacked)
    file(REMOVE_RECURSE ${WORK}/first)
    execute_process(COMMAND ${FIRST_PASSWORD} ${WORK}/first/)
    file(READ ${WORK}/first/unins000.dll first_password)
    file(READ ${WORK}/unpacked/Corvanta/unins000.dll password)
    if(NOT password STREQUAL first_password)
        fail("the zip's password file is not the first password's:\n${password}")
    endif()
    execute_process(COMMAND test -x ${WORK}/unpacked/Corvanta/corvanta RESULT_VARIABLE not_executable)
    if(not_executable)
        fail("the unpacked corvanta is not executable")
    endif()
endif()

# A folder missing one of the program's files: no zip, and a failure.
foreach(missing corvanta Guida.pdf translations/qtbase_it.qm corvanta.desktop corvanta.svg)
    string(MAKE_C_IDENTIFIER ${missing} name)
    used_folder(${name} ${missing})
    file(WRITE ${WORK}/${name}.zip "an older zip")
    make_dist(${WORK}/${name} ${WORK}/${name}.zip code)
    if(code EQUAL 0 OR EXISTS ${WORK}/${name}.zip)
        fail("make dist without ${missing} succeeded or left a zip")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "${failures} failure(s)")
endif()
