# Where the installed files go, and the Debian package made of them.
#
#   cmake --install build/default --prefix P     P/bin/tolva-editor, P/lib/vst/TolvaPlugInEditor.so,
#                                                P/share/applications/tolva-editor.desktop and
#                                                P/share/icons/hicolor/<n>x<n>/apps/tolva-editor.png
#
# A user's own install (--prefix ~/.local) puts the plug-in in ~/.vst, the folder plug-in hosts search
# in a user's home; the program finds it there as it finds P/lib/vst beside itself.

install(TARGETS tolva-editor RUNTIME DESTINATION bin)

# The folder is chosen when installing, from the prefix the install is given.
install(CODE "set(_tolva_strip \"${CMAKE_STRIP}\")")
install(CODE [[
  set(_tolva_vst "${CMAKE_INSTALL_PREFIX}/lib/vst")
  if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
    if(DEFINED ENV{HOME} AND NOT "$ENV{HOME}" STREQUAL "")
      get_filename_component(_tolva_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
      get_filename_component(_tolva_user "$ENV{HOME}/.local" ABSOLUTE)
      if(_tolva_prefix STREQUAL _tolva_user)
        set(_tolva_vst "$ENV{HOME}/.vst")
      endif()
    endif()
  endif()
  file(INSTALL DESTINATION "${_tolva_vst}" TYPE FILE
       PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
       FILES "$<TARGET_FILE:TolvaPlugInEditor>")
  if(CMAKE_INSTALL_DO_STRIP AND _tolva_strip)
    execute_process(COMMAND "${_tolva_strip}" --strip-unneeded "$ENV{DESTDIR}${_tolva_vst}/$<TARGET_FILE_NAME:TolvaPlugInEditor>")
  endif()
]])

install(FILES ${PROJECT_SOURCE_DIR}/Source/Programs/tolva-editor.desktop DESTINATION share/applications)
# Drawn by the art generator with the rest of the editor's images.
install(DIRECTORY ${CMAKE_BINARY_DIR}/art/icons/ DESTINATION share/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolva-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor and librarian of the Tolva and Nerimo synthesizers")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows every setting of the instrument, changes them as you edit, follows the instrument's own changes, "
    "keeps a full image of its memory, stores sounds in files and imports and exports PCG files. "
    "A VST 2.4 instrument plug-in for Linux hosts (in /usr/lib/vst) and a standalone program.")
set(CPACK_PACKAGE_CONTACT "The Tolva editor developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_STRIP_FILES TRUE)
# The libraries the installed program and plug-in link (ALSA, cairo, libpng, X11 and the C++
# runtime), with the versions their symbols need, as dpkg-shlibdeps reads them from the files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
