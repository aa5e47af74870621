# The help pages beside an edition's executable, where the game looks for them: both editions
# take the same pages, so one rule says which files those are.
#
#   lumabels_copy_help(TARGET_NAME DESTINATION_DIR)
#
# adds TARGET_NAME, built with ALL, which copies assets/help's index.html and help.css, and
# every language's page, <language>/index.html, into DESTINATION_DIR (help/<language>/index.html
# is the page HelpPage picks for the player's language).
function(lumabels_copy_help target_name destination_dir)
  set(source_dir ${PROJECT_SOURCE_DIR}/assets/help)
  file(GLOB translated_pages RELATIVE ${source_dir} CONFIGURE_DEPENDS ${source_dir}/*/index.html)
  set(outputs)
  foreach(page IN ITEMS index.html help.css ${translated_pages})
    add_custom_command(
      OUTPUT ${destination_dir}/${page}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source_dir}/${page} ${destination_dir}/${page}
      DEPENDS ${source_dir}/${page}
      VERBATIM)
    list(APPEND outputs ${destination_dir}/${page})
  endforeach()
  add_custom_target(${target_name} ALL DEPENDS ${outputs})
endfunction()
