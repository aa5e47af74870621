# The game's translations: translations/lumabels_<language>.ts, compiled with lrelease into
# <runtime dir>/translations/lumabels_<language>.qm, beside the executable as the game looks
# for them. Included from src/qt/CMakeLists.txt once the game's targets exist.
#
# Every text in the code must be translated in every language: before lrelease runs, lupdate
# reads the sources into a copy of each .ts file and the build stops on any entry that is new,
# unfinished or empty there. After changing a text, bring the files up to date with
#   /usr/lib/qt6/bin/lupdate -locations none -no-obsolete \
#       -tr-function-alias QT_TRANSLATE_NOOP+=GAME_TEXT,QT_TRANSLATE_N_NOOP+=GAME_COUNT_TEXT \
#       src -ts translations/*.ts
# and translate what it marks unfinished.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(LUMABELS_LANGUAGES de fr es it pt_BR ru ja zh_CN)
set(LUMABELS_TS_FILES)
foreach(language IN LISTS LUMABELS_LANGUAGES)
  list(APPEND LUMABELS_TS_FILES ${PROJECT_SOURCE_DIR}/translations/lumabels_${language}.ts)
endforeach()
set(LUMABELS_LANGUAGES ${LUMABELS_LANGUAGES} PARENT_SCOPE)

file(GLOB_RECURSE LUMABELS_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.ui)

set(LUMABELS_TS_CHECKS)
foreach(ts IN LISTS LUMABELS_TS_FILES)
  get_filename_component(name ${ts} NAME_WE)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/ts-check/${name}.ts)
  add_custom_command(
    OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy ${ts} ${copy}
    COMMAND Qt6::lupdate -silent -locations none -no-obsolete
            -tr-function-alias QT_TRANSLATE_NOOP+=GAME_TEXT,QT_TRANSLATE_N_NOOP+=GAME_COUNT_TEXT
            ${PROJECT_SOURCE_DIR}/src -ts ${copy}
    COMMAND ${CMAKE_COMMAND} -DTS_FILE=${copy} -DSOURCE_TS=${ts}
            -P ${PROJECT_SOURCE_DIR}/translations/CheckComplete.cmake
    DEPENDS ${ts} ${LUMABELS_TRANSLATED_SOURCES} ${PROJECT_SOURCE_DIR}/translations/CheckComplete.cmake
    COMMENT "Checking that ${name}.ts translates every text"
    VERBATIM)
  list(APPEND LUMABELS_TS_CHECKS ${copy})
endforeach()
add_custom_target(lumabels_translations_complete DEPENDS ${LUMABELS_TS_CHECKS})

set_source_files_properties(${LUMABELS_TS_FILES} PROPERTIES
                            OUTPUT_LOCATION ${LUMABELS_RUNTIME_DIR}/translations)
qt_add_lrelease(lumabels TS_FILES ${LUMABELS_TS_FILES} NO_GLOBAL_TARGET
                QM_FILES_OUTPUT_VARIABLE LUMABELS_QM_FILES)
add_dependencies(lumabels_lrelease lumabels_translations_complete)
set(LUMABELS_QM_FILES ${LUMABELS_QM_FILES} PARENT_SCOPE)
