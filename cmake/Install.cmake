# Desktop release: the help file, the install layout, menu entries and icons, and the
# Debian package.
#
# Layout under the prefix:
#   lib/dietlens/            program folder: dietlens, translator, help.chm, help/*.html
#   bin/                     dietlens and translator (links into the program folder), foodserver
#   share/applications/      dietlens.desktop, translator.desktop
#   share/icons/hicolor/     the icons, scalable and as PNG sizes
# dietlens opens its help file from the folder its executable lives in; the links in bin/
# resolve to the program folder, so help.chm is found whichever way the program is started.

include(GNUInstallDirs)

set(DIETLENS_PROGRAM_DIR "lib/dietlens" CACHE STRING
  "Program folder below the install prefix: the programs and the help they open")
set(DIETLENS_HELP_CHM "AUTO" CACHE STRING
  "Compile help.chm with chmcmd (Debian fp-utils): AUTO builds it when chmcmd is found, ON requires it, OFF skips it")
set_property(CACHE DIETLENS_HELP_CHM PROPERTY STRINGS AUTO ON OFF)

# --- Help ------------------------------------------------------------------------------
# The HTML pages are copied next to the programs as bin/help/ (the fallback that F1 opens
# when no program reads CHM files) and compiled into bin/help.chm.
set(help_source_dir ${PROJECT_SOURCE_DIR}/help)
file(GLOB help_pages CONFIGURE_DEPENDS ${help_source_dir}/*.html ${help_source_dir}/*.css)
set(help_project_files ${help_source_dir}/help.hhp ${help_source_dir}/toc.hhc ${help_source_dir}/index.hhk)
set(help_output_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help)

set(help_page_copies)
foreach(page IN LISTS help_pages)
  get_filename_component(page_name ${page} NAME)
  add_custom_command(OUTPUT ${help_output_dir}/${page_name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${help_output_dir}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} ${help_output_dir}/${page_name}
    DEPENDS ${page}
    VERBATIM)
  list(APPEND help_page_copies ${help_output_dir}/${page_name})
endforeach()

set(help_outputs ${help_page_copies})
set(help_chm_built FALSE)
if(NOT DIETLENS_HELP_CHM STREQUAL "OFF")
  find_program(CHMCMD_EXECUTABLE chmcmd)
  if(CHMCMD_EXECUTABLE)
    # chmcmd writes next to its project file, so it works on a staging copy of the sources.
    set(help_stage_dir ${CMAKE_CURRENT_BINARY_DIR}/help-stage)
    add_custom_command(OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.chm
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_stage_dir}
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${help_source_dir} ${help_stage_dir}
      COMMAND ${CMAKE_COMMAND} -E chdir ${help_stage_dir} ${CHMCMD_EXECUTABLE} --verbosity 0 help.hhp
      COMMAND ${CMAKE_COMMAND} -E copy ${help_stage_dir}/help.chm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.chm
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      DEPENDS ${help_pages} ${help_project_files}
      COMMENT "Compiling help.chm"
      VERBATIM)
    list(APPEND help_outputs ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.chm)
    set(help_chm_built TRUE)
  elseif(DIETLENS_HELP_CHM STREQUAL "ON")
    message(FATAL_ERROR "chmcmd not found: install fp-utils to compile help.chm")
  else()
    message(STATUS "chmcmd not found: help.chm is not built, F1 shows the HTML help")
  endif()
endif()
add_custom_target(help_files ALL DEPENDS ${help_outputs})

install(FILES ${help_pages} DESTINATION ${DIETLENS_PROGRAM_DIR}/help COMPONENT dietlens)
if(help_chm_built)
  install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.chm DESTINATION ${DIETLENS_PROGRAM_DIR}
    COMPONENT dietlens)
endif()

# --- Programs --------------------------------------------------------------------------
install(TARGETS dietlens translator RUNTIME DESTINATION ${DIETLENS_PROGRAM_DIR} COMPONENT dietlens)
install(TARGETS foodserver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT dietlens)

# Relative links, so the installed tree can be moved (DESTDIR, package staging).
foreach(program dietlens translator)
  file(RELATIVE_PATH link_target /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${DIETLENS_PROGRAM_DIR}/${program})
  install(CODE "
    set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin_dir}\")
    message(STATUS \"Installing: \${bin_dir}/${program} -> ${link_target}\")
    file(CREATE_LINK \"${link_target}\" \"\${bin_dir}/${program}\" SYMBOLIC)
  " COMPONENT dietlens)
endforeach()

# --- Menu entries and icons ------------------------------------------------------------
set(desktop_dir ${PROJECT_SOURCE_DIR}/desktop)
install(FILES ${desktop_dir}/dietlens.desktop ${desktop_dir}/translator.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT dietlens)
install(FILES ${desktop_dir}/icons/dietlens.svg ${desktop_dir}/icons/translator.svg
  ${desktop_dir}/icons/dietlens-tray.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT dietlens)
install(DIRECTORY ${desktop_dir}/icons/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
  COMPONENT dietlens FILES_MATCHING PATTERN "*.png")

find_program(DESKTOP_FILE_VALIDATE_EXECUTABLE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE_EXECUTABLE)
  add_test(NAME desktop_entries_valid
    COMMAND ${DESKTOP_FILE_VALIDATE_EXECUTABLE} ${desktop_dir}/dietlens.desktop ${desktop_dir}/translator.desktop)
endif()
add_test(NAME help_pages_linked
  COMMAND ${CMAKE_COMMAND} -DHELP_DIR=${help_source_dir} -P ${PROJECT_SOURCE_DIR}/cmake/CheckHelp.cmake)

# --- Debian package (scripts/package.sh) -----------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dietlens")
set(CPACK_PACKAGE_VENDOR "Quelmar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Nutrition-value lookup client with its language-file translator")
set(CPACK_PACKAGE_DESCRIPTION
  "Dietlens looks up what is in a food on a food server and shows its energy, fats, sodium,\n protein and carbohydrates as a bar chart scaled to a weight. Translator edits the language\n files that hold every text of Dietlens. Includes foodserver, a reference food server.")
set(CPACK_PACKAGE_CONTACT "Dietlens developers <dietlens@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps finds the Qt and SQLite runtime libraries; the xcb platform plugin that
# every Qt window needs on X11 lives in its own package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm")
include(CPack)
