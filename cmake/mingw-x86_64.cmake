# The 64-bit twin of the Windows build (never shipped), for hosts whose kernel runs no
# 32-bit code: same sources, same tests, 64-bit Wine prefixes.
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
