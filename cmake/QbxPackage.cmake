# The Debian package: the program folder under /opt/quillbox with its fixed
# file names, qbx and qbx-sim on the PATH, a desktop entry with the icon.
#   cmake --build build --target package   (or: cd build && cpack -G DEB)
# tools/build-package.sh builds it and checks its contents.
set(QBX_INSTALL_FOLDER opt/quillbox)
set(qbx_package_dir ${PROJECT_SOURCE_DIR}/packaging)
set(qbx_package_build ${CMAKE_BINARY_DIR}/package)

install(TARGETS quillbox_gui qbx qbx_sim RUNTIME DESTINATION ${QBX_INSTALL_FOLDER})
install(TARGETS qbx_module_DEU qbx_module_ENU qbx_module_ITA LIBRARY DESTINATION ${QBX_INSTALL_FOLDER})
# The default working folders, empty; the file choosers start there.
foreach(folder ${QBX_DEFAULT_FOLDERS})
    install(DIRECTORY DESTINATION ${QBX_INSTALL_FOLDER}/${folder})
endforeach()
install(FILES ${QBX_CUSTOMER_PAGE} DESTINATION ${QBX_INSTALL_FOLDER}/${QBX_CUSTOMER_PAGE_FOLDER})

# qbx finds its folder through the real path of its executable, so links do.
file(MAKE_DIRECTORY ${qbx_package_build})
foreach(tool qbx qbx-sim)
    file(CREATE_LINK /${QBX_INSTALL_FOLDER}/${tool} ${qbx_package_build}/${tool} SYMBOLIC)
    install(FILES ${qbx_package_build}/${tool} DESTINATION usr/bin)
endforeach()

install(FILES ${qbx_package_dir}/quillbox.desktop DESTINATION usr/share/applications)
install(FILES ${qbx_package_dir}/qbx.bash-completion DESTINATION usr/share/bash-completion/completions
        RENAME qbx)
# icon128.png holds 64 x 64 pixels; the icon theme files it by its real size.
install(FILES ${PROJECT_SOURCE_DIR}/resources/icon128.png DESTINATION usr/share/icons/hicolor/64x64/apps
        RENAME quillbox.png)
install(FILES ${qbx_package_dir}/copyright ${qbx_package_dir}/README.Debian DESTINATION usr/share/doc/quillbox)
install(FILES ${qbx_package_dir}/lintian-overrides DESTINATION usr/share/lintian/overrides RENAME quillbox)
# Debian keeps changelog and manual pages compressed, without a time stamp
# in the gzip header.
find_program(QBX_GZIP gzip REQUIRED)
set(qbx_gzipped)
foreach(pair "changelog:changelog.Debian.gz" "qbx.1:qbx.1.gz" "qbx-sim.1:qbx-sim.1.gz")
    string(REPLACE ":" ";" pair ${pair})
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${qbx_package_build}/${target}
        COMMAND ${QBX_GZIP} -9 -n -c ${qbx_package_dir}/${source} > ${qbx_package_build}/${target}
        DEPENDS ${qbx_package_dir}/${source} VERBATIM)
    list(APPEND qbx_gzipped ${qbx_package_build}/${target})
endforeach()
add_custom_target(qbx_package_files ALL DEPENDS ${qbx_gzipped})
install(FILES ${qbx_package_build}/changelog.Debian.gz DESTINATION usr/share/doc/quillbox)
install(FILES ${qbx_package_build}/qbx.1.gz ${qbx_package_build}/qbx-sim.1.gz DESTINATION usr/share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillbox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_PACKAGE_CONTACT "Quillbox maintainers <quillbox@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillbox maintainers <quillbox@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for programmable heating controllers")
# The summary is the first line; this the extended description.
set(CPACK_PACKAGE_DESCRIPTION "Quillbox Suite moves function data, operating systems, firmware and
network settings between a PC and the bootloader of programmable heating
controllers and their interface devices, over a serial line or TCP.

The package holds the desktop program, the console front end qbx and the
device simulator qbx-sim for trying both without a device.")
# Not a native package: the Debian revision keeps the changelog's name
# changelog.Debian.gz. The file is quillbox_<version>-1_amd64.deb.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugin and its own translations (the Yes and
# No of questions, the file chooser) at run time; nothing links them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${qbx_package_dir}/postinst ${qbx_package_dir}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
