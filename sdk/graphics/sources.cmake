# Sources of the graphics layer (relative to this folder): the values,
# images, icon and cursor descriptions and the two interfaces are standard
# C++; fonts, the graphics context, the caret and the handle rules call
# GDI and USER.
set(WQ_GRAPHICS_PORTABLE
  IWQCaret.cpp
  IWQGraphics.cpp
  WQColor.cpp
  WQCursor.cpp
  WQIcon.cpp
  WQImage.cpp
  WQPoint.cpp
  WQRect.cpp
  WQSize.cpp
)
set(WQ_GRAPHICS_WINDOWS
  ComponentCaret.cpp
  ComponentGraphics.cpp
  ImplWQFont.cpp
  WQFont.cpp
  WQHandles.cpp
)
