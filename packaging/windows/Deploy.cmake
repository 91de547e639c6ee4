# Completes the Windows folder at install time: copies in the plugins Qt
# loads by name, then every DLL that a program or a copied DLL imports and
# that one of SCAFFOLD_DLL_FOLDERS holds, following the imports of each copy
# in turn; whatever none of them holds is Windows' own (KERNEL32.dll and the
# like). Then the licence texts.
# Included by the install script of packaging/windows/CMakeLists.txt, which
# sets SCAFFOLD_OBJDUMP, SCAFFOLD_DLL_FOLDERS, SCAFFOLD_QT_PLUGINS,
# SCAFFOLD_PLUGINS, SCAFFOLD_LICENSE_FOLDERS, SCAFFOLD_RUNTIME_LICENSES and
# SCAFFOLD_STRIP. `cmake --install --strip` strips the copies as well.

cmake_policy(PUSH)
cmake_policy(VERSION 3.25)
set(_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# The DLLs one program or DLL imports, by name, as objdump -p lists them.
function(scaffold_imports file out)
    execute_process(COMMAND "${SCAFFOLD_OBJDUMP}" -p "${file}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE dump ERROR_VARIABLE error)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "objdump cannot read ${file}: ${error}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
    set(names)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^DLL Name: " "" name "${line}")
        string(STRIP "${name}" name)
        list(APPEND names "${name}")
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# Which folder holds a DLL, by a name compared without regard to case as
# Windows does; empty when none does.
function(scaffold_find_dll name out)
    string(TOLOWER "${name}" lower)
    foreach(folder IN LISTS SCAFFOLD_DLL_FOLDERS)
        file(GLOB candidates "${folder}/*.dll" "${folder}/*.DLL")
        foreach(candidate IN LISTS candidates)
            get_filename_component(candidate_name "${candidate}" NAME)
            string(TOLOWER "${candidate_name}" candidate_lower)
            if(candidate_lower STREQUAL lower)
                set(${out} "${candidate}" PARENT_SCOPE)
                return()
            endif()
        endforeach()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Copies the DLL vFile into the folder vInto, stripped when the install strips.
function(scaffold_copy_dll vFile vInto)
    file(INSTALL DESTINATION "${vInto}" TYPE SHARED_LIBRARY FILES "${vFile}")
    if(CMAKE_INSTALL_DO_STRIP)
        get_filename_component(name "${vFile}" NAME)
        execute_process(COMMAND "${SCAFFOLD_STRIP}" --strip-unneeded "${vInto}/${name}" RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "${SCAFFOLD_STRIP} cannot strip ${vInto}/${name}")
        endif()
    endif()
endfunction()

set(_queue "${_folder}/scaffold.exe" "${_folder}/scaffold-check.exe")
foreach(plugin IN LISTS SCAFFOLD_PLUGINS)
    if(NOT EXISTS "${SCAFFOLD_QT_PLUGINS}/${plugin}")
        message(FATAL_ERROR "Qt's plugin ${plugin} is not in ${SCAFFOLD_QT_PLUGINS}")
    endif()
    get_filename_component(_plugin_dir "${plugin}" DIRECTORY)
    scaffold_copy_dll("${SCAFFOLD_QT_PLUGINS}/${plugin}" "${_folder}/${_plugin_dir}")
    list(APPEND _queue "${_folder}/${plugin}")
endforeach()

set(_copied)
set(_system)
while(_queue)
    list(POP_FRONT _queue _file)
    scaffold_imports("${_file}" _imports)
    foreach(_name IN LISTS _imports)
        string(TOLOWER "${_name}" _lower)
        if(_lower IN_LIST _copied OR _lower IN_LIST _system)
            continue()
        endif()
        scaffold_find_dll("${_name}" _dll)
        if(_dll)
            scaffold_copy_dll("${_dll}" "${_folder}")
            get_filename_component(_dll_name "${_dll}" NAME)
            list(APPEND _copied "${_lower}")
            list(APPEND _queue "${_folder}/${_dll_name}")
        else()
            list(APPEND _system "${_lower}")
        endif()
    endforeach()
endwhile()
list(SORT _system)
string(REPLACE ";" " " _system "${_system}")
message(STATUS "Windows' own DLLs, not shipped: ${_system}")

foreach(licenses IN LISTS SCAFFOLD_LICENSE_FOLDERS)
    file(GLOB _texts "${licenses}/*")
    file(INSTALL DESTINATION "${_folder}/licenses" TYPE FILE FILES ${_texts})
endforeach()
foreach(copyright IN LISTS SCAFFOLD_RUNTIME_LICENSES)
    # /usr/share/doc/PACKAGE/copyright, as licenses/PACKAGE.txt
    get_filename_component(_package "${copyright}" DIRECTORY)
    get_filename_component(_package "${_package}" NAME)
    file(INSTALL DESTINATION "${_folder}/licenses" TYPE FILE FILES "${copyright}" RENAME "MinGW-runtime-${_package}.txt")
endforeach()
cmake_policy(POP)
