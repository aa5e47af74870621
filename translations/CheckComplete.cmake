# Fails when the translation file TS_FILE (a copy of SOURCE_TS that lupdate has just brought up
# to date with the sources) has an entry without a finished, non-empty translation.
file(READ ${TS_FILE} ts)
# CMake lists split on semicolons, which the texts may hold.
string(REPLACE ";" "@SEMICOLON@" ts "${ts}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation[^>]*(/>|></translation>|type=\"[^\"]*\"[^>]*>[^<]*</translation>)"
       bad_entries "${ts}")
string(REGEX MATCHALL "<source>" sources "${ts}")
string(REGEX MATCHALL "<translation>[^<]+</translation>" finished "${ts}")
# A count's text has one form per plural form of the language, each of which must be written.
string(REGEX MATCHALL "<translation>([ \t\r\n]*<numerusform>[^<]+</numerusform>)+[ \t\r\n]*</translation>"
       finished_plurals "${ts}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"[^\"]*\">[ \t\r\n]*<numerusform"
       bad_plurals "${ts}")
list(APPEND bad_entries ${bad_plurals})
list(APPEND finished ${finished_plurals})
list(LENGTH sources source_count)
list(LENGTH finished finished_count)
set(bad)
foreach(entry IN LISTS bad_entries)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" source "${entry}")
  string(REPLACE "@SEMICOLON@" ";" source "${source}")
  list(APPEND bad "${source}")
endforeach()
if(NOT source_count EQUAL finished_count)
  list(APPEND bad "(${source_count} texts, ${finished_count} finished translations)")
endif()
if(bad)
  list(JOIN bad "\n  " listed)
  message(FATAL_ERROR "${SOURCE_TS} leaves texts untranslated (new, unfinished or empty):\n  ${listed}")
endif()
