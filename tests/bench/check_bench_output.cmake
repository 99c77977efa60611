# Runs the benchmark driver once on its small page and checks that it printed a line for
# every operation and for the memory. No time is judged here: the machine may be busy.
execute_process(COMMAND ${BENCH} --small
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "tagsmith_bench --small failed (${result}):\n${output}\n${errors}")
endif()
set(number "[0-9]+")
set(figure "[0-9]+\\.[0-9][0-9]")
foreach(operation open open_shown save colour upper lower find replace_all insert_large check_page type_top scroll)
  if(NOT output MATCHES "(^|\n)${operation} chars=${number} tags=${number} product_ms=${figure} floor_ms=${figure} ratio=${figure}\n")
    message(FATAL_ERROR "no figures for ${operation} in:\n${output}")
  endif()
endforeach()
if(NOT output MATCHES "\nmemory file_bytes=${number} peak_rss_bytes=${number} peak_multiple=[0-9.]+ growth_multiple=[0-9.]+\n")
  message(FATAL_ERROR "no memory figure in:\n${output}")
endif()
