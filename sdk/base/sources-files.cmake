# Sources of the parameter tables, properties files, streams, files and
# time values (relative to this folder). Streams, tables and the calendar
# logic of WQTime are standard C/C++; WQFile and the file-time exchange of
# WQTime call Windows.
set(WQ_BASE_PORTABLE
  WQFileStream.cpp
  WQParam.cpp
  WQProperties.cpp
  WQTime.cpp
)
set(WQ_BASE_WINDOWS
  WQFile.cpp
  WQTimeFileTime.cpp
)
