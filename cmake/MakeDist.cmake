# Packs the portable program folder into a zip whose top folder is Corvanta/:
#   cmake -DPROGRAM_DIR=<program folder> -DFIRST_PASSWORD=<corvanta_first_password>
#         -DARCHIVE=<file.zip> -P MakeDist.cmake
# Only the program's own files are taken, by name, so the user's data never travels: the
# vehicle archive, its history, the cost files, the photos, the attached files and the last export stay
# behind. The password file is a new one with the first password, never the folder's own,
# which may hold a changed password.
cmake_minimum_required(VERSION 3.24)

foreach(name PROGRAM_DIR FIRST_PASSWORD ARCHIVE)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "MakeDist.cmake needs -D${name}=...")
    endif()
endforeach()

# The executable, the user guide, Qt's Italian texts, the desktop entry and its icon.
set(program_files corvanta Guida.pdf translations corvanta.desktop corvanta.svg)

# A failure leaves no zip, so an older one is never taken for this one.
file(REMOVE ${ARCHIVE})
set(stage ${ARCHIVE}.d)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/Corvanta)
foreach(item ${program_files})
    if(NOT EXISTS ${PROGRAM_DIR}/${item})
        file(REMOVE_RECURSE ${stage})
        message(FATAL_ERROR "${PROGRAM_DIR}/${item} is missing: build the program first")
    endif()
    file(COPY ${PROGRAM_DIR}/${item} DESTINATION ${stage}/Corvanta)
endforeach()

execute_process(COMMAND ${FIRST_PASSWORD} ${stage}/Corvanta/ RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${stage}/Corvanta/unins000.dll)
    file(REMOVE_RECURSE ${stage})
    message(FATAL_ERROR "no first password file for the archive")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip Corvanta
    WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${stage})
if(failed)
    file(REMOVE ${ARCHIVE})
    message(FATAL_ERROR "could not write ${ARCHIVE}")
endif()
message(STATUS "Wrote ${ARCHIVE}")
