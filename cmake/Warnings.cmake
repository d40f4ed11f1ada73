# Every target of the project gets the same warning set; CI builds with QV_WERROR on.
function(qv_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # GCC 12 reports impossible overlaps in std::string copies at -O2/-O3 (its bug 105651).
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # A deprecation that libstdc++ reports against its own code (cmake/libstdcxx_quirks.h).
        target_compile_options(${target} PRIVATE
                               "SHELL:-include ${PROJECT_SOURCE_DIR}/cmake/libstdcxx_quirks.h")
    endif()
    if(QV_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
