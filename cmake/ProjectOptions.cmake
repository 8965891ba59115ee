# Compiler settings shared by every target of ours.

if(FEIJIAN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(FEIJIAN_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    add_link_options(-static)
endif()

# Settings of our own targets; GoogleTest keeps its own (libstdc++'s <chrono>, which it
# includes, holds a "µ" that GBK cannot encode).
function(feijian_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    # Sources are UTF-8; narrow literals become GBK bytes, as the program's texts are on
    # Chinese Windows. Clang knows no other execution character set: the fuzz build,
    # whose sources are ASCII, is compiled without it.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
    endif()
endfunction()
