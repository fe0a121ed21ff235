# make dist on a program folder that has been used: every user file is there beside the
# program's, and the password has been changed. The zip must hold the program's files
# only, with a password file holding the first password, plus what lets it run without the
# system's Qt: the stripped executable with its run path, the libraries in lib/, the plugins in
# plugins/ and qt.conf; the symbols go beside the zip. A folder missing one of the program's
# files must give no zip at all.
#   cmake -DMAKE_DIST=<MakeDist.cmake> -DFIRST_PASSWORD=<tool> -DPROGRAM=<built corvanta>
#         -DQT_PLUGINS=<Qt's plugin folder> -DWORK=<folder> -P tst_dist.cmake
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
        # The real executable, since its libraries are gathered from it.
        file(COPY_FILE ${PROGRAM} ${folder}/corvanta)
        file(CHMOD ${folder}/corvanta PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    endif()
    file(WRITE ${folder}/unins000.dll "${changed_password}")
endfunction()

function(make_dist folder archive result)
    execute_process(COMMAND ${CMAKE_COMMAND} -DPROGRAM_DIR=${folder} -DFIRST_PASSWORD=${FIRST_PASSWORD}
        -DQT_PLUGINS=${QT_PLUGINS} -DARCHIVE=${archive} -P ${MAKE_DIST}
        RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(${result} ${code} PARENT_SCOPE)
    set(${result}_output "${output}" PARENT_SCOPE)
endfunction()

# A used folder: the program's files and a first password file, nothing else.
used_folder(used)
make_dist(${WORK}/used ${WORK}/used.zip code)
if(NOT code EQUAL 0 OR NOT EXISTS ${WORK}/used.zip)
    fail("make dist failed on a complete program folder:\n${code_output}")
else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${WORK}/used.zip OUTPUT_VARIABLE listing)
    string(REPLACE "\n" ";" entries "${listing}")
    set(files "")
    set(libraries "")
    set(plugins "")
    foreach(entry ${entries})
        if(entry MATCHES "^Corvanta/lib/(.+)$")
            list(APPEND libraries ${CMAKE_MATCH_1})
        elseif(entry MATCHES "^Corvanta/plugins/(.+[^/])$")
            list(APPEND plugins ${CMAKE_MATCH_1})
        elseif(NOT entry MATCHES "/$")
            list(APPEND files ${entry})
        endif()
    endforeach()
    set(expected "")
    foreach(file ${program_files} unins000.dll qt.conf)
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

    # Qt, its ICU, the file-format libraries and the xcb helpers travel; the C library, the
    # C++ runtime, GL and the display's own client libraries do not.
    foreach(library libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6Svg.so.6 libQt6PrintSupport.so.6
            libQt6XcbQpa.so.6 libQt6WaylandClient.so.6 libQt6DBus.so.6 libical.so.3 libzip.so.4
            libxlsxwriter.so.4 libxkbcommon.so.0 libxkbcommon-x11.so.0 libxcb-icccm.so.4 libxcb-image.so.0
            libxcb-keysyms.so.1 libxcb-render-util.so.0)
        if(NOT library IN_LIST libraries)
            fail("lib/ has no ${library}")
        endif()
    endforeach()
    set(system_library
        "^(libc|libm|libpthread|libdl|librt|libutil|libresolv|libstdc\\+\\+|libgcc_s|libGL|libEGL|libGLX|libOpenGL|libX11|libX11-xcb|libxcb|libwayland-client|libfontconfig|libfreetype)\\.so|^ld-linux")
    foreach(library ${libraries})
        if(library MATCHES "${system_library}")
            fail("lib/ holds the system's ${library}")
        endif()
    endforeach()
    # Nothing in the folder needs a library that is neither the system's nor in lib/ (on Qt 6.5
    # and later, the xcb plugin's libxcb-cursor among them).
    set(objects corvanta)
    foreach(library ${libraries})
        list(APPEND objects lib/${library})
    endforeach()
    foreach(plugin ${plugins})
        list(APPEND objects plugins/${plugin})
    endforeach()
    foreach(object ${objects})
        execute_process(COMMAND objdump -p ${WORK}/unpacked/Corvanta/${object} OUTPUT_VARIABLE headers)
        string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${headers}")
        foreach(line ${needed})
            string(REGEX REPLACE "NEEDED +" "" soname "${line}")
            string(STRIP "${soname}" soname)
            if(NOT soname IN_LIST libraries AND NOT soname MATCHES "${system_library}")
                fail("${object} needs ${soname}, which lib/ does not hold")
            endif()
        endforeach()
    endforeach()
    list(FILTER libraries INCLUDE REGEX "^libicu")
    if(NOT libraries)
        fail("lib/ has no ICU")
    endif()
    foreach(plugin platforms/libqxcb.so platforms/libqwayland-generic.so platforms/libqoffscreen.so
            imageformats/libqjpeg.so imageformats/libqsvg.so iconengines/libqsvgicon.so
            printsupport/libcupsprintersupport.so)
        if(NOT plugin IN_LIST plugins)
            fail("plugins/ has no ${plugin}")
        endif()
    endforeach()
    file(READ ${WORK}/unpacked/Corvanta/qt.conf qt_conf)
    if(NOT qt_conf MATCHES "Plugins=plugins" OR NOT qt_conf MATCHES "Prefix=\\.")
        fail("qt.conf does not point Qt at the folder:\n${qt_conf}")
    endif()

    set(unpacked ${WORK}/unpacked/Corvanta)
    execute_process(COMMAND patchelf --print-rpath ${unpacked}/corvanta OUTPUT_VARIABLE rpath
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT rpath STREQUAL "$ORIGIN/lib")
        fail("the executable's run path is '${rpath}'")
    endif()
    execute_process(COMMAND patchelf --print-rpath ${unpacked}/lib/libQt6Gui.so.6 OUTPUT_VARIABLE rpath
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT rpath STREQUAL "$ORIGIN")
        fail("libQt6Gui's run path is '${rpath}'")
    endif()
    execute_process(COMMAND objdump -h ${unpacked}/corvanta OUTPUT_VARIABLE sections)
    if(sections MATCHES "\\.debug_info" OR NOT sections MATCHES "\\.gnu_debuglink")
        fail("the executable keeps its debug information or has no debug link")
    endif()
    if(NOT EXISTS ${WORK}/corvanta.debug)
        fail("no corvanta.debug beside the zip")
    else()
        execute_process(COMMAND objdump -h ${WORK}/corvanta.debug OUTPUT_VARIABLE sections)
        if(NOT sections MATCHES "\\.debug_info")
            fail("corvanta.debug holds no debug information")
        endif()
    endif()
    file(SIZE ${WORK}/used.zip size)
    if(size GREATER 94371840)
        fail("the zip is ${size} bytes, over 90 MB")
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
