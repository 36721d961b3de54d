# Budowa dla Windows 64-bit kompilatorem MinGW-w64 Debiana (wariant z wątkami posix:
# std::thread i std::mutex bez dodatkowej biblioteki). Programy łączone statycznie, więc
# pontiva-cli.exe nie potrzebuje żadnej biblioteki DLL obok. Testy uruchamia Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Fałszywe ostrzeżenia -Wrestrict GCC 12 w nagłówkach std::string.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
find_program(PONTIVA_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PONTIVA_WINE})
