# Runs one libFuzzer target for a bounded time over a fresh copy of its seeds.
# Fails when the fuzzer finds a crash, a leak, a time-out or an out-of-memory case.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${SEEDS})
    file(GLOB seeds ${SEEDS}/*)
    if(seeds)
        file(COPY ${seeds} DESTINATION ${WORK})
    endif()
endif()
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
            -max_len=65536 -artifact_prefix=${WORK}/ -print_final_stats=1 ${WORK}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "fuzzer ${FUZZER} failed (${result}); the finding is in ${WORK}")
endif()
