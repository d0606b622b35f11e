# The MinGW runtime libraries the compiler links programs against: BARITEMP_MINGW_RUNTIME.
set(BARITEMP_MINGW_RUNTIME "")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(gcc_runtime libgcc_s_dw2-1.dll) # 32-bit: DWARF unwinding
else()
    set(gcc_runtime libgcc_s_seh-1.dll)
endif()
foreach(dll libstdc++-6.dll ${gcc_runtime} libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        find_file(found_${dll} ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH
                  NO_CMAKE_FIND_ROOT_PATH)
        set(found ${found_${dll}})
    endif()
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
    endif()
    get_filename_component(found ${found} REALPATH)
    list(APPEND BARITEMP_MINGW_RUNTIME ${found})
endforeach()
