# Cross-compiling for Windows with mingw-w64; included by the per-architecture
# toolchain files after they have set PIVLON_MINGW_TRIPLET.
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${PIVLON_MINGW_TRIPLET}")

# The default compilers use the win32 thread model, which lacks std::mutex and
# so cannot build GoogleTest.
set(CMAKE_C_COMPILER ${PIVLON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PIVLON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PIVLON_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PIVLON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The posix thread model otherwise needs libstdc++, libgcc and libwinpthread
# DLLs beside every program; the release is one .exe on its own. Without a
# link time in its header, two builds of one commit give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run
                       ABSOLUTE)
