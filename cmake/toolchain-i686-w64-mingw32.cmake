# Product target: the 32-bit uninstall.exe. Nothing built here can run on
# these machines (no 32-bit execution), so it has no emulator.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(WQ_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common-mingw.cmake)
