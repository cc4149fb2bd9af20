# Test target: 64-bit, run under Wine's 64-bit loader through tests/wine-run.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(WQ_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common-mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine-run)
