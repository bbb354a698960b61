# Every target of ours calls tavu_warnings(); third-party headers come in as SYSTEM and stay quiet.
function(tavu_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
    if(TAVU_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
