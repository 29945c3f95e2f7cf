# The settings file and the album's names and pages, with the text tools and run-time
# calls they stand on: what the corpus replays under the sanitizers and the fuzzers
# build again with their own flags.
set(LUMORA_TEXT_FORMAT_SOURCES
    ${LUMORA_ROOT}/src/settings/SettingsFile.cpp
    ${LUMORA_ROOT}/src/album/AlbumEntry.cpp
    ${LUMORA_ROOT}/src/album/AlbumPages.cpp
    ${LUMORA_ROOT}/src/text/AllTools.cpp
    # A settings save that fails says so.
    ${LUMORA_ROOT}/src/toolkit/Dialogs.cpp
    ${LUMORA_ROOT}/src/toolkit/Platform.cpp
    ${LUMORA_ROOT}/src/toolkit/RunTime.cpp
    ${LUMORA_ROOT}/src/toolkit/TextFile.cpp
    ${LUMORA_ROOT}/src/toolkit/PathFile.cpp
    ${LUMORA_ROOT}/src/toolkit/SaveFile.cpp)
