# The logic library's units, by the folder rule: every .cpp of src/ but the units of the
# window/ folders, the windows' making (Forms.cpp) and the program entry (main.cpp).
#   LUMORA_LOGIC_UNITS    their paths inside src/, for the subsets to be taken from
#   LUMORA_LOGIC_SOURCES  the same as full paths
# The sanitized tests and the fuzzers build subsets of this list again with their own
# flags (PictureSources.cmake, TextFormatSources.cmake), so no window unit is in any.
get_filename_component(LUMORA_SRC ${CMAKE_CURRENT_LIST_DIR}/../src ABSOLUTE)
file(GLOB_RECURSE LUMORA_LOGIC_UNITS CONFIGURE_DEPENDS RELATIVE ${LUMORA_SRC} ${LUMORA_SRC}/*.cpp)
list(FILTER LUMORA_LOGIC_UNITS EXCLUDE REGEX "(^|/)window/|^(Forms|main)\\.cpp$")
set(LUMORA_LOGIC_SOURCES ${LUMORA_LOGIC_UNITS})
list(TRANSFORM LUMORA_LOGIC_SOURCES PREPEND ${LUMORA_SRC}/)
