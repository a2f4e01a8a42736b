# 64-bit Windows: the build whose tests run under Wine.
set(PIVLON_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
