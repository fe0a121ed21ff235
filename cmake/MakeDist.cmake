# Packs the portable program folder into a zip whose top folder is Corvanta/:
#   cmake -DPROGRAM_DIR=<program folder> -DFIRST_PASSWORD=<corvanta_first_password>
#         -DARCHIVE=<file.zip> [-DQT_PLUGINS=<Qt's plugin folder>] -P MakeDist.cmake
# Only the program's own files are taken, by name, so the user's data never travels: the
# vehicle archive, its history, the cost files, the photos, the attached files and the last export stay
# behind. The password file is a new one with the first password, never the folder's own,
# which may hold a changed password.
#
# The folder runs on a machine without Qt: the executable is stripped (its symbols go to
# corvanta.debug beside the zip, found again through a debug link), the shared libraries it
# and its Qt plugins need go to lib/, the plugins to plugins/, and qt.conf points Qt at them.
# The executable's run path is $ORIGIN/lib, a library's is $ORIGIN, a plugin's ../../lib.
cmake_minimum_required(VERSION 3.24)

foreach(name PROGRAM_DIR FIRST_PASSWORD ARCHIVE)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "MakeDist.cmake needs -D${name}=...")
    endif()
endforeach()
if(NOT DEFINED QT_PLUGINS)
    set(QT_PLUGINS /usr/lib/x86_64-linux-gnu/qt6/plugins)
endif()

# The executable, the user guide, Qt's Italian texts, the desktop entry and its icon.
set(program_files corvanta Guida.pdf translations corvanta.desktop corvanta.svg)

# Qt's plugins the program uses, relative to Qt's plugin folder. A folder is taken whole; the
# platforms are named, since the folder also holds ones no desktop needs (eglfs, vnc, ...).
set(required_plugins platforms/libqxcb.so platforms/libqoffscreen.so platforms/libqwayland-generic.so
    imageformats iconengines/libqsvgicon.so printsupport)
set(optional_plugins platforms/libqwayland-egl.so xcbglintegrations platforminputcontexts
    wayland-shell-integration wayland-decoration-client wayland-graphics-integration-client)

# What every desktop system has and must match its own hardware or session, by soname: the C
# library and its loader, the C++ runtime (a system's is never older than Debian 12's, and its
# GL driver may need a newer one than ours), GL, the X and Wayland client libraries the
# session's own libraries share, fontconfig and freetype. Everything else these libraries pull
# in is taken, so the libraries below are walked no further.
set(system_libraries
    "^ld-linux.*" "^linux-vdso.*" "^lib(c|m|pthread|dl|rt|util|resolv)\\.so"
    "^lib(stdc\\+\\+|gcc_s)\\.so"
    "^lib(GL|EGL|GLX|OpenGL|GLdispatch)\\.so"
    "^libX11(-xcb)?\\.so" "^libxcb\\.so" "^libwayland-client\\.so"
    "^libfontconfig\\.so" "^libfreetype\\.so")

foreach(tool strip objcopy objdump patchelf ldd)
    find_program(${tool}_tool ${tool})
    if(NOT ${tool}_tool)
        message(FATAL_ERROR "make dist needs ${tool} (binutils, patchelf, libc-bin)")
    endif()
endforeach()

# A failure leaves no zip, so an older one is never taken for this one.
get_filename_component(archive_dir ${ARCHIVE} DIRECTORY)
set(debug_file ${archive_dir}/corvanta.debug)
file(REMOVE ${ARCHIVE} ${debug_file})
set(stage ${ARCHIVE}.d)
set(program ${stage}/Corvanta)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${program})

macro(give_up message)
    file(REMOVE_RECURSE ${stage})
    file(REMOVE ${ARCHIVE} ${debug_file})
    message(FATAL_ERROR "${message}")
endmacro()

macro(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE run_failed OUTPUT_VARIABLE run_output
        ERROR_VARIABLE run_error)
    if(run_failed)
        give_up("${ARGN} failed:\n${run_output}${run_error}")
    endif()
endmacro()

foreach(item ${program_files})
    if(NOT EXISTS ${PROGRAM_DIR}/${item})
        give_up("${PROGRAM_DIR}/${item} is missing: build the program first")
    endif()
    file(COPY ${PROGRAM_DIR}/${item} DESTINATION ${program})
endforeach()

execute_process(COMMAND ${FIRST_PASSWORD} ${program}/ RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${program}/unins000.dll)
    give_up("no first password file for the archive")
endif()

# The symbols stay beside the zip; the link names the file and its checksum, so gdb finds it
# there or in a debug folder.
run(${objcopy_tool} --only-keep-debug ${program}/corvanta ${debug_file})
run(${strip_tool} --strip-debug --strip-unneeded ${program}/corvanta)
run(${objcopy_tool} --add-gnu-debuglink=corvanta.debug ${program}/corvanta WORKING_DIRECTORY ${archive_dir})

# The plugins.
set(plugins "")
foreach(plugin ${required_plugins} ${optional_plugins})
    if(NOT EXISTS ${QT_PLUGINS}/${plugin})
        if(plugin IN_LIST required_plugins)
            give_up("Qt's plugin ${QT_PLUGINS}/${plugin} is missing")
        endif()
        continue()
    endif()
    get_filename_component(folder ${plugin} DIRECTORY)
    if(IS_DIRECTORY ${QT_PLUGINS}/${plugin})
        file(GLOB files ${QT_PLUGINS}/${plugin}/*.so)
        set(folder ${plugin})
    else()
        set(files ${QT_PLUGINS}/${plugin})
    endif()
    foreach(file ${files})
        get_filename_component(name ${file} NAME)
        file(MAKE_DIRECTORY ${program}/plugins/${folder})
        file(COPY_FILE ${file} ${program}/plugins/${folder}/${name})
        list(APPEND plugins ${program}/plugins/${folder}/${name})
    endforeach()
endforeach()

# The libraries: walk each object's direct needs (objdump), find them where the loader would
# (ldd over the same object), and take every one that is not the system's.
function(is_system soname result)
    foreach(pattern ${system_libraries})
        if(soname MATCHES "${pattern}")
            set(${result} TRUE PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} FALSE PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${program}/lib)
set(pending ${program}/corvanta ${plugins})
set(seen "")
set(bundled "")
while(pending)
    list(POP_FRONT pending object)
    run(${ldd_tool} ${object})
    set(found "${run_output}")
    run(${objdump_tool} -p ${object})
    string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${run_output}")
    foreach(line ${needed})
        string(REGEX REPLACE "NEEDED +" "" soname "${line}")
        string(STRIP "${soname}" soname)
        if(soname IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${soname})
        is_system(${soname} system)
        if(system)
            continue()
        endif()
        string(REPLACE "+" "\\+" pattern "${soname}")
        if(NOT found MATCHES "[ \t]${pattern} => (/[^ ]+) \\(")
            give_up("${object} needs ${soname}, which the loader does not find")
        endif()
        get_filename_component(real ${CMAKE_MATCH_1} REALPATH)
        file(COPY_FILE ${real} ${program}/lib/${soname})
        list(APPEND bundled ${soname})
        list(APPEND pending ${program}/lib/${soname})
    endforeach()
endwhile()

run(${patchelf_tool} --set-rpath $ORIGIN/lib ${program}/corvanta)
foreach(soname ${bundled})
    file(CHMOD ${program}/lib/${soname} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    run(${patchelf_tool} --set-rpath $ORIGIN ${program}/lib/${soname})
endforeach()
foreach(plugin ${plugins})
    run(${patchelf_tool} --set-rpath $ORIGIN/../../lib ${plugin})
endforeach()
list(SORT bundled)
list(JOIN bundled " " bundled_text)
message(STATUS "Bundled: ${bundled_text}")

# Relative paths in qt.conf are taken from the executable's folder.
file(WRITE ${program}/qt.conf
    "[Paths]\nPrefix=.\nLibraries=lib\nPlugins=plugins\nTranslations=translations\n")

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip Corvanta
    WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
if(failed)
    give_up("could not write ${ARCHIVE}")
endif()
file(REMOVE_RECURSE ${stage})
file(SIZE ${ARCHIVE} size)
math(EXPR megabytes "(${size} + 1048575) / 1048576")
message(STATUS "Wrote ${ARCHIVE} (${megabytes} MB) and ${debug_file}")
