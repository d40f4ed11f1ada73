# Every target of the project gets the same warning set; CI builds with QV_WERROR on.
function(qv_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # GCC 12 reports impossible overlaps in std::string copies at -O2/-O3 (its bug 105651).
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(QV_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
