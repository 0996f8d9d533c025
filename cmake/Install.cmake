# Release: the help file, man pages, the install layout, menu entries, metainfo and icons.
# debian/ splits the installed tree into the packages dietlens (both desktop programs) and
# foodserver (the server alone, no Qt GUI libraries).
#
# Layout under the prefix:
#   lib/dietlens/            program folder: dietlens, translator, help.chm, help/*.html
#   bin/                     dietlens and translator (links into the program folder), foodserver
#   share/applications/      nl.quelmar.dietlens.desktop, nl.quelmar.dietlens.translator.desktop
#   share/metainfo/          their AppStream metainfo
#   share/icons/hicolor/     the icons under the same reverse-DNS names, scalable and as PNG sizes
#   share/man/man1/          dietlens.1, translator.1, foodserver.1
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
install(TARGETS foodserver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT foodserver)

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

# --- Man pages -------------------------------------------------------------------------
# dietlens.1 and translator.1 are written in roff, with the version and the built-in servers
# filled in. foodserver.1 is made by help2man from the program's own --help, so its option
# list cannot drift from the program; docs/man/foodserver.h2m adds the other sections.
set(DIETLENS_MAN_PAGES "AUTO" CACHE STRING
  "Build the man pages: AUTO when help2man is found, ON requires it, OFF skips them")
set_property(CACHE DIETLENS_MAN_PAGES PROPERTY STRINGS AUTO ON OFF)
# The version translator shows; a check below keeps it in step with the program's source.
set(TRANSLATOR_VERSION "1.6")
file(STRINGS ${PROJECT_SOURCE_DIR}/translator/trcommon.cpp translator_version_line
  REGEX "return QStringLiteral\\(\"${TRANSLATOR_VERSION}\"\\);")
if(NOT translator_version_line)
  message(FATAL_ERROR "translator/trcommon.cpp no longer returns version ${TRANSLATOR_VERSION}: "
    "update TRANSLATOR_VERSION in cmake/Install.cmake and the release in desktop/*.metainfo.xml")
endif()

if(NOT DIETLENS_MAN_PAGES STREQUAL "OFF")
  find_program(HELP2MAN_EXECUTABLE help2man)
  if(HELP2MAN_EXECUTABLE)
    set(man_source_dir ${PROJECT_SOURCE_DIR}/docs/man)
    set(man_output_dir ${CMAKE_BINARY_DIR}/man)
    # The build date, or SOURCE_DATE_EPOCH when set, so a package build is reproducible.
    string(TIMESTAMP DIETLENS_MAN_DATE "%Y-%m-%d" UTC)
    configure_file(${man_source_dir}/dietlens.1.in ${man_output_dir}/dietlens.1 @ONLY)
    configure_file(${man_source_dir}/translator.1.in ${man_output_dir}/translator.1 @ONLY)
    add_custom_command(OUTPUT ${man_output_dir}/foodserver.1
      COMMAND ${HELP2MAN_EXECUTABLE} --no-info
        --version-string=${PROJECT_VERSION} --include=${man_source_dir}/foodserver.h2m
        --output=${man_output_dir}/foodserver.1 $<TARGET_FILE:foodserver>
      DEPENDS foodserver ${man_source_dir}/foodserver.h2m
      COMMENT "Writing foodserver.1 from foodserver --help"
      VERBATIM)
    add_custom_target(man_pages ALL DEPENDS ${man_output_dir}/foodserver.1)
    install(FILES ${man_output_dir}/dietlens.1 ${man_output_dir}/translator.1
      DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT dietlens)
    install(FILES ${man_output_dir}/foodserver.1
      DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT foodserver)
  elseif(DIETLENS_MAN_PAGES STREQUAL "ON")
    message(FATAL_ERROR "help2man not found: install help2man to build the man pages")
  else()
    message(STATUS "help2man not found: the man pages are not built")
  endif()
endif()

# --- Menu entries, metainfo and icons --------------------------------------------------
# Desktop IDs and icon names are reverse-DNS names of the maker's domain; the commands keep
# their short names. The PNG sizes keep their short names in the source tree, where the
# programs compile them in as their window icons, and are installed under the desktop IDs.
set(desktop_dir ${PROJECT_SOURCE_DIR}/desktop)
set(desktop_ids nl.quelmar.dietlens nl.quelmar.dietlens.translator)
set(icon_sources dietlens translator)
foreach(id IN LISTS desktop_ids)
  install(FILES ${desktop_dir}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
    COMPONENT dietlens)
  install(FILES ${desktop_dir}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    COMPONENT dietlens)
endforeach()
foreach(id source IN ZIP_LISTS desktop_ids icon_sources)
  install(FILES ${desktop_dir}/icons/${source}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${id}.svg COMPONENT dietlens)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${desktop_dir}/icons/hicolor/${size}x${size}/apps/${source}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${id}.png
      COMPONENT dietlens)
  endforeach()
endforeach()

set(desktop_entries ${desktop_ids})
list(TRANSFORM desktop_entries PREPEND ${desktop_dir}/)
set(metainfo_files ${desktop_entries})
list(TRANSFORM desktop_entries APPEND .desktop)
list(TRANSFORM metainfo_files APPEND .metainfo.xml)
find_program(DESKTOP_FILE_VALIDATE_EXECUTABLE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE_EXECUTABLE)
  add_test(NAME desktop_entries_valid COMMAND ${DESKTOP_FILE_VALIDATE_EXECUTABLE} ${desktop_entries})
endif()
find_program(APPSTREAMCLI_EXECUTABLE appstreamcli)
if(APPSTREAMCLI_EXECUTABLE)
  add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI_EXECUTABLE} validate --no-net ${metainfo_files})
endif()
add_test(NAME help_pages_linked
  COMMAND ${CMAKE_COMMAND} -DHELP_DIR=${help_source_dir} -P ${PROJECT_SOURCE_DIR}/cmake/CheckHelp.cmake)
