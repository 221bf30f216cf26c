# Maps must reproduce from their seed: the core library may not call the C library's rand or
# srand (another sequence on every platform), only its own generator.
execute_process(COMMAND nm -u --format=posix ${CORE_LIBRARY} OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${CORE_LIBRARY}")
endif()
string(REGEX MATCH "(^|\n)(s?rand|rand_r) U" found "${symbols}")
if(found)
  message(FATAL_ERROR "the core library calls the C library's random generator: ${found}")
endif()
