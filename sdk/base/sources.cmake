# Sources of the foundation library (relative to this folder). The
# containers are header-only templates.
set(WQ_BASE_PORTABLE
  WQClassRegistry.cpp
  WQMemory.cpp
  WQObject.cpp
  WQString.cpp
  WQTicks.cpp
  WQWindowsVersion.cpp
)
set(WQ_BASE_WINDOWS
  WQWindowsVersionQuery.cpp
)
