# Every target of ours calls tavu_warnings(); third-party headers come in as SYSTEM and stay quiet.
function(tavu_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
    # GCC 12 at -O3 reports impossible overlaps inside std::string's own insert/replace
    # (-Wrestrict false positive), which would make the Release preset fail to build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(TAVU_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
