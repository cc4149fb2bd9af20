# Shared by both Windows toolchains: cross compiling with Debian's mingw-w64,
# posix thread model (the win32 model has no std::mutex), fully static.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${WQ_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WQ_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${WQ_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${WQ_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
