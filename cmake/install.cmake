# What `cmake --install` puts where, and the two Debian packages `cpack -G DEB`
# builds from it: kelvad (component headless: the program that maps no Qt
# library, the shipped files, the manual page) and kelvad-wizard (component
# wizard: the Qt program, its desktop entry, icons and AppStream metadata).

# Who the packages name as maintainer. The project has no public mail address
# yet, and a made-up one would only mislead: the changelog's trailer gives no
# address (<>), and packaging/lintian/ says why the field has none.
set(KELVAD_MAINTAINER "The Kelvad developers")
# The AppStream component id. AppStream asks for a reverse-DNS name; nothing
# is published under it, and no address is derived from it.
set(KELVAD_APP_ID org.kelvad.kelvad)

# A group or world-writable directory in a package is a fault, whatever the
# umask of the machine that built it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# An installed copy finds its shipped files in share/kelvad beside bin
# (platform/install_dir.h), so these two places go together.
install(TARGETS kelvad RUNTIME DESTINATION bin COMPONENT headless)
install(DIRECTORY data/ DESTINATION share/kelvad COMPONENT headless)
if(KELVAD_HAVE_WIZARD)
  # Beside kelvad, which replaces itself with it.
  install(TARGETS kelvad-wizard RUNTIME DESTINATION bin COMPONENT wizard)
endif()

if(NOT WIN32)
  # The manual page and the metadata carry the version and the release date;
  # the manual pages and changelog are compressed as Debian wants them:
  # gzip -9, without a name or time stamp, so the bytes are reproducible.
  set(packaging ${CMAKE_BINARY_DIR}/packaging)
  execute_process(COMMAND date -u -R -d "${KELVAD_RELEASE_DATE} 00:00:00 UTC"
                  OUTPUT_VARIABLE KELVAD_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  configure_file(packaging/kelvad.1.in ${packaging}/kelvad.1 @ONLY)
  configure_file(packaging/kelvad-wizard.1 ${packaging}/kelvad-wizard.1 COPYONLY)
  configure_file(packaging/changelog.in ${packaging}/changelog @ONLY)
  configure_file(packaging/kelvad.metainfo.xml.in ${packaging}/${KELVAD_APP_ID}.metainfo.xml @ONLY)
  set(compressed)
  foreach(file kelvad.1 kelvad-wizard.1 changelog)
    add_custom_command(OUTPUT ${packaging}/${file}.gz
      COMMAND gzip -9nkf ${packaging}/${file}
      DEPENDS ${packaging}/${file}
      COMMENT "Compressing ${file}")
    list(APPEND compressed ${packaging}/${file}.gz)
  endforeach()
  # Built with kelvad, so that whatever builds the program can install it.
  add_custom_target(kelvad_packaging DEPENDS ${compressed})
  add_dependencies(kelvad kelvad_packaging)

  install(FILES ${packaging}/kelvad.1.gz DESTINATION share/man/man1 COMPONENT headless)
  install(FILES packaging/lintian/kelvad DESTINATION share/lintian/overrides COMPONENT headless)
  install(FILES packaging/copyright ${packaging}/changelog.gz README.md
          DESTINATION share/doc/kelvad COMPONENT headless)

  install(FILES ${packaging}/kelvad-wizard.1.gz DESTINATION share/man/man1 COMPONENT wizard)
  install(FILES packaging/lintian/kelvad-wizard DESTINATION share/lintian/overrides COMPONENT wizard)
  install(FILES packaging/copyright ${packaging}/changelog.gz DESTINATION share/doc/kelvad-wizard COMPONENT wizard)
  install(FILES packaging/kelvad.desktop DESTINATION share/applications COMPONENT wizard)
  foreach(size 48 256)
    install(FILES packaging/kelvad-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME kelvad.png COMPONENT wizard)
  endforeach()
  install(FILES ${packaging}/${KELVAD_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT wizard)
endif()

set(CPACK_PACKAGE_NAME kelvad)
set(CPACK_PACKAGE_VENDOR "The Kelvad developers")
set(CPACK_PACKAGE_CONTACT "${KELVAD_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL headless)
if(KELVAD_HAVE_WIZARD)
  list(APPEND CPACK_COMPONENTS_ALL wizard)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE kelvad)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_HEADLESS_PACKAGE_NAME kelvad)
# ebld.bat is started through Wine when it is there.
set(CPACK_DEBIAN_HEADLESS_PACKAGE_SUGGESTS "wine, kelvad-wizard")
set(CPACK_DEBIAN_HEADLESS_DESCRIPTION "application builder for EPOC32 EIKON projects
Kelvad writes the complete, buildable project of an application for the
EPOC32 operating system (the EIKON framework of the EPOC Release 3 and 5
C++ SDKs): C++ sources, resource script, MMP files, application information
file and icons, makefiles and workspace, batch files, help project,
installation package script and the master build script ebld.bat.

This package holds kelvad generate, which writes a project from command-line
settings or a project description without a window and without Qt, the files
it ships and the manual page. The wizard is in the package kelvad-wizard.")

set(CPACK_DEBIAN_WIZARD_PACKAGE_NAME kelvad-wizard)
set(CPACK_DEBIAN_WIZARD_PACKAGE_DEPENDS "kelvad (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_WIZARD_PACKAGE_SUGGESTS wine)
set(CPACK_DEBIAN_WIZARD_DESCRIPTION "wizard that builds EPOC32 EIKON application projects
Kelvad writes the complete, buildable project of an application for the
EPOC32 operating system (the EIKON framework of the EPOC Release 3 and 5
C++ SDKs).

This package holds the wizard that kelvad starts: twelve panels that gather
the project name and drive, UIDs, language and caption, the commands, menus,
toolbar and hotkeys, the C++ methods to implement and the build files to
produce, then write the project and start its build through Wine.")

include(CPack)
