# What a Windows program folder holds beside vokab.exe, in one place: there is no windeployqt
# for a cross build, so every DLL and plugin the program needs is named here, and nothing
# else is copied. tools/windows/build.sh checks under Wine that the program starts with
# exactly this set.

# Qt's libraries (qt6-mingw/bin), each needed by the program or by a plugin below.
set(VOKAB_WINDOWS_QT_DLLS
    Qt6Core Qt6Gui Qt6Widgets Qt6Network Qt6PrintSupport Qt6Multimedia)
# Qt's plugins (qt6-mingw/plugins), in the folders Qt looks for beside the executable:
# the Windows platform, its native style, the Windows Media Foundation sound backend and
# the TLS backend of the update's HTTPS, and the readers of JPEG and GIF pictures that an
# expression's picture may come in (PNG needs none; this Qt has no WebP reader).
set(VOKAB_WINDOWS_QT_PLUGINS
    platforms/qwindows styles/qwindowsvistastyle multimedia/windowsmediaplugin
    tls/qschannelbackend imageformats/qjpeg imageformats/qgif)
# uchardet, built into the same prefix.
set(VOKAB_WINDOWS_PREFIX_DLLS libuchardet)
# MinGW-w64's runtime (GCC 12, POSIX threads).
set(VOKAB_WINDOWS_MINGW_DLLS
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
# Qt's own Czech texts (Debian's qt6-translations-l10n): the Windows Qt brings none.
set(VOKAB_WINDOWS_TRANSLATIONS
    /usr/share/qt6/translations/qtbase_cs.qm /usr/share/qt6/translations/qtmultimedia_cs.qm)

# vokab_windows_runtime: the list above copied into the program folder; the same files are
# installed beside the program.
function(vokab_windows_runtime program_dir)
    set(commands)
    set(dlls)
    foreach(dll ${VOKAB_WINDOWS_QT_DLLS} ${VOKAB_WINDOWS_PREFIX_DLLS})
        list(APPEND dlls ${VOKAB_QT_MINGW}/bin/${dll}.dll)
    endforeach()
    list(APPEND dlls ${VOKAB_WINDOWS_MINGW_DLLS})
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dlls} ${program_dir}/)
    install(FILES ${dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})
    foreach(plugin ${VOKAB_WINDOWS_QT_PLUGINS})
        get_filename_component(folder ${plugin} DIRECTORY)
        list(APPEND commands
             COMMAND ${CMAKE_COMMAND} -E make_directory ${program_dir}/${folder}
             COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOKAB_QT_MINGW}/plugins/${plugin}.dll
                     ${program_dir}/${folder}/)
        install(FILES ${VOKAB_QT_MINGW}/plugins/${plugin}.dll
                DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
    endforeach()
    list(APPEND commands
         COMMAND ${CMAKE_COMMAND} -E make_directory ${program_dir}/translations
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOKAB_WINDOWS_TRANSLATIONS}
                 ${program_dir}/translations/)
    install(FILES ${VOKAB_WINDOWS_TRANSLATIONS} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
    add_custom_target(vokab_windows_runtime ALL ${commands}
                      COMMENT "Copying Qt, its plugins and the MinGW runtime beside vokab.exe")
endfunction()
