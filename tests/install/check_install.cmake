# Installs the built program into a fresh prefix and checks what a desktop gets from it:
# the program, the live preview's engine, its launcher entry and its icon, the entry valid
# by the freedesktop rules, and an installed program that answers --version without a
# display.

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
  message("desktop-file-validate is not installed")
  return()
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed:\n${output}")
endif()

set(program "${PREFIX}/${BINDIR}/tagsmith")
set(entry "${PREFIX}/${DATADIR}/applications/tagsmith.desktop")
set(icon "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/tagsmith.svg")
foreach(installed IN ITEMS "${program}" "${PREFIX}/${ENGINE}" "${entry}" "${icon}")
  if(NOT EXISTS "${installed}")
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "error:")
  message(FATAL_ERROR "the desktop entry does not validate:\n${output}")
endif()

# The launcher starts the installed program by name and finds the installed icon by name.
file(STRINGS "${entry}" exec_lines REGEX "^Exec=")
file(STRINGS "${entry}" icon_lines REGEX "^Icon=")
if(NOT exec_lines STREQUAL "Exec=tagsmith %F" OR NOT icon_lines STREQUAL "Icon=tagsmith")
  message(FATAL_ERROR "the entry names another program or icon: ${exec_lines} ${icon_lines}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM "${program}" --version
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 20)
if(NOT result EQUAL 0 OR NOT output STREQUAL "Tagsmith ${VERSION}\n")
  message(FATAL_ERROR "tagsmith --version gave ${result}: '${output}' ${errors}")
endif()

file(REMOVE_RECURSE "${PREFIX}")
