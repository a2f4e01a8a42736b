# 32-bit Windows: built to prove the sources compile for it; its tests are not run.
set(PIVLON_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
