# Where the DLLs of a Windows build come from: Qt's and ICU's program
# folders, and the compiler's own for the MinGW runtime. The folder that ships
# copies what the programs import from there (packaging/windows); tests that
# run under Wine find them there (WINEPATH).
#   SCAFFOLD_DLL_FOLDERS   those folders
#   SCAFFOLD_QT_PREFIX     the folder Qt is installed in, with plugins/
#   SCAFFOLD_WINEPATH      a folder of links to their DLLs, as Wine's WINEPATH names it

get_target_property(_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(_qt_bin "${_qt_core}" DIRECTORY)
get_filename_component(SCAFFOLD_QT_PREFIX "${_qt_bin}" DIRECTORY)
find_package(ICU REQUIRED COMPONENTS uc)
get_filename_component(_icu_prefix "${ICU_INCLUDE_DIR}" DIRECTORY)
set(SCAFFOLD_DLL_FOLDERS ${_qt_bin} ${_icu_prefix}/bin)
foreach(_runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_runtime}
                    OUTPUT_VARIABLE _found OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(_folder "${_found}" DIRECTORY)
    list(APPEND SCAFFOLD_DLL_FOLDERS ${_folder})
endforeach()
list(REMOVE_DUPLICATES SCAFFOLD_DLL_FOLDERS)

# Wine reaches the build machine's files through its drive Z:. Its path
# lists folders with ";", which a test's environment cannot hold, so the
# tests get one folder of links to every DLL of those folders.
set(_links ${PROJECT_BINARY_DIR}/wine-dlls)
file(REMOVE_RECURSE ${_links})
file(MAKE_DIRECTORY ${_links})
foreach(_folder IN LISTS SCAFFOLD_DLL_FOLDERS)
    file(GLOB _dlls ${_folder}/*.dll)
    foreach(_dll IN LISTS _dlls)
        get_filename_component(_name ${_dll} NAME)
        if(NOT EXISTS ${_links}/${_name})
            file(CREATE_LINK ${_dll} ${_links}/${_name} SYMBOLIC)
        endif()
    endforeach()
endforeach()
string(REPLACE "/" "\\" SCAFFOLD_WINEPATH "Z:${_links}")
# Qt finds its plugins beside the Qt it was loaded from, which for the
# programs of the build is that folder of links; a qt.conf beside them names
# the real one (Wine passes no QT_ variable of the environment on). The
# offscreen platform of the tests reads fonts from the libraries' folder,
# which Qt ships empty: there the tests get the DejaVu fonts of the build
# machine, which the Linux tests use too.
set(_lib ${PROJECT_BINARY_DIR}/wine-qt-lib)
file(REMOVE_RECURSE ${_lib})
file(MAKE_DIRECTORY ${_lib})
file(CREATE_LINK /usr/share/fonts/truetype/dejavu ${_lib}/fonts SYMBOLIC)
file(WRITE ${PROJECT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = Z:${SCAFFOLD_QT_PREFIX}\nLibraries = Z:${_lib}\n")
