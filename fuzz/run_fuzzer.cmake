# Runs FUZZER for SECONDS on a fresh copy of the seed folder SEEDS under WORK;
# libFuzzer adds what it finds to the copy and leaves any crashing input in
# WORK/artifacts. Fails when the fuzzer exits with an error.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=65536 -rss_limit_mb=2048 -timeout=10
          -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} stopped with '${result}'; its input is in ${WORK}/artifacts")
endif()
