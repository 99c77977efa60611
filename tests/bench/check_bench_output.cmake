# Runs the benchmark driver once on its small page and checks that it printed a line for
# every operation and for the memory. No time is judged here: the machine may be busy.
execute_process(COMMAND ${BENCH} --small
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "tagsmith_bench --small failed (${result}):\n${output}\n${errors}")
endif()
set(number "[0-9]+")
set(figure "[0-9]+\\.[0-9][0-9]")
set(per_key " keys=${number} product_ms_per_key=${figure} floor_ms_per_key=${figure}")
foreach(operation open open_shown save colour upper lower find find_next replace_all insert_large check_page
    colour_on type_top type_end scroll open_shown_rich colour_rich type_top_rich type_end_rich scroll_rich
    find_in_files find_in_files_regex type_top_html type_top_open_comment
    preview_refresh type_top_preview)
  if(NOT output MATCHES "(^|\n)${operation} chars=${number} tags=${number} product_ms=${figure} floor_ms=${figure} ratio=${figure}(${per_key})?\n")
    message(FATAL_ERROR "no figures for ${operation} in:\n${output}")
  endif()
endforeach()
if(NOT output MATCHES "\nmemory file_bytes=${number} peak_rss_bytes=${number} peak_multiple=[0-9.]+ growth_multiple=[0-9.]+\n")
  message(FATAL_ERROR "no memory figure in:\n${output}")
endif()
