# 64-bit Windows: the same program, library and tests, for machines whose
# wine runs only 64-bit programs. A test vehicle: the program that ships is
# the 32-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
