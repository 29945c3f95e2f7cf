# The settings file and the album's names and pages, with the text tools and run-time
# calls they stand on (a settings save that fails says so through Dialogs): what the
# corpus replays under the sanitizers and the fuzzers build again with their own flags.
include(${CMAKE_CURRENT_LIST_DIR}/LogicSources.cmake)
set(LUMORA_TEXT_FORMAT_SOURCES ${LUMORA_LOGIC_UNITS})
list(FILTER LUMORA_TEXT_FORMAT_SOURCES INCLUDE REGEX
     "^(settings/SettingsFile|album/(AlbumEntry|AlbumPages)|text/AllTools|toolkit/(Dialogs|Platform|RunTime|TextFile|PathFile|SaveFile))\\.cpp$")
list(TRANSFORM LUMORA_TEXT_FORMAT_SOURCES PREPEND ${LUMORA_SRC}/)
