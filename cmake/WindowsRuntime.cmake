# Where the DLLs of a Windows build come from: Qt's and ICU's program
# folders, and the compiler's own for the MinGW runtime. The folder that ships
# copies what the programs import from there (packaging/windows); tests that
# run under Wine find them there (WINEPATH).
#   SCAFFOLD_DLL_FOLDERS   those folders
#   SCAFFOLD_QT_PREFIX     the folder Qt is installed in, with plugins/
#   SCAFFOLD_WINEPATH      the folders as Wine's WINEPATH names them

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

# Wine reaches the build machine's files through its drive Z:.
set(SCAFFOLD_WINEPATH)
foreach(_folder IN LISTS SCAFFOLD_DLL_FOLDERS)
    string(REPLACE "/" "\\" _folder "Z:${_folder}")
    list(APPEND SCAFFOLD_WINEPATH "${_folder}")
endforeach()
string(REPLACE ";" "\\;" SCAFFOLD_WINEPATH "${SCAFFOLD_WINEPATH}")
