# The fuzz targets: under clang with QUADRIX_FUZZ they are libFuzzer
# programs; in every build they replay their kept inputs as ordinary tests.
foreach(target teamlist money poolrow poolfile)
    set(kept ${CMAKE_CURRENT_LIST_DIR}/corpus/${target} ${CMAKE_CURRENT_LIST_DIR}/regressions/${target})
    if(QUADRIX_FUZZ)
        add_executable(fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/fuzz_${target}.cpp)
        target_compile_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
        target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(fuzz_${target} PRIVATE quadrix_testsupport)
    endif()
    add_executable(replay_${target} ${CMAKE_CURRENT_LIST_DIR}/fuzz_${target}.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/replay.cpp)
    target_link_libraries(replay_${target} PRIVATE quadrix_testsupport)
    add_test(NAME replay_${target} COMMAND replay_${target} ${kept})
    set_tests_properties(replay_${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
