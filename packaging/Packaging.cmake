# The launcher on the PATH and the Debian package. Included by the top-level
# CMakeLists.txt after every part of the program folder has its install rule.

# bin/tolvane is a relative symbolic link to the executable in the program
# folder: the program resolves the link and finds its files beside the real
# executable, and a relative link stays right under any prefix or staging
# folder (DESTDIR, CPack).
cmake_path(RELATIVE_PATH TOLVANE_INSTALL_PROGRAM_DIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE tolvane_link_target)
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  message(STATUS \"Installing: \${bin}/tolvane -> ${tolvane_link_target}/tolvane\")
  file(CREATE_LINK \"${tolvane_link_target}/tolvane\" \"\${bin}/tolvane\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${bin}/tolvane\")
")

# An installation into a scratch prefix, checked as a desktop would see it.
if(BUILD_TESTING)
  add_test(NAME Instalacao.PastaLinkIconesEntradaEMetainfo
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/verifica-instalacao.sh ${CMAKE_BINARY_DIR})
endif()

# cpack -G DEB
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Projeto Tolvane")
set(CPACK_PACKAGE_CONTACT "Projeto Tolvane <contato@tolvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulado da prova teórica de habilitação náutica (amador)")
set(CPACK_PACKAGE_DESCRIPTION
    "Simulado da prova teórica para a habilitação de amador, categoria básica: \
questões sorteadas das nove matérias da prova, tempo por questão, ajudas, \
efeitos sonoros, figuras e o resultado por matéria no fim.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tolvane)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the executable links (Qt 6, SQLite,
# SDL2_mixer, the C++ runtime); the rest is read at run time: the screens'
# font, the General MIDI soundfont behind the music, and Qt's X11 and Wayland
# platform plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, timgm6mb-soundfont")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
