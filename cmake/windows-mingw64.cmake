# Cross build for Windows x86_64: MinGW-w64 with POSIX threads (Debian
# g++-mingw-w64-x86-64-posix) and the Qt 6.4.2 prefix that tools/windows/build.sh unpacks.
# VOKAB_QT_MINGW names that prefix (-D or the environment); Qt's host tools (moc, rcc, uic,
# qsb) are Debian's own.
if(NOT VOKAB_QT_MINGW)
    set(VOKAB_QT_MINGW "$ENV{VOKAB_QT_MINGW}")
endif()
if(NOT EXISTS "${VOKAB_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "VOKAB_QT_MINGW must name the Qt prefix for Windows (qt6-mingw/), "
                        "not '${VOKAB_QT_MINGW}'")
endif()
set(VOKAB_QT_MINGW "${VOKAB_QT_MINGW}" CACHE PATH "The Qt prefix for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VOKAB_QT_MINGW)

set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Qt's host CMake files")

# The compiler, windres and the search roots (this prefix and MinGW's own).
include("${VOKAB_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")

# CTest runs the Windows test programs under Wine (tools/windows/test.sh).
if(EXISTS /usr/lib/wine/wine64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/windows/wine-run.sh)
endif()
