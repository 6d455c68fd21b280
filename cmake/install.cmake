# Installing as a desktop application and the Debian package.
#
# The installed program directory lib/chromix-scope/ holds what build/bin holds: the
# program, the simulator and every file the program reads at start-up. The program
# finds that directory through its own executable, so bin/chromix-scope is only a link.
# An installed program directory is not writable for the operator; the program then
# keeps its settings in the user's configuration directory.

set(CHROMIX_INSTALL_DIR lib/chromix-scope)

install(TARGETS chromix-scope chromix-sim RUNTIME DESTINATION ${CHROMIX_INSTALL_DIR})

# The same files the build copies beside the program (logo, language files).
file(GLOB CHROMIX_INSTALL_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
install(FILES ${CHROMIX_INSTALL_RESOURCES} DESTINATION ${CHROMIX_INSTALL_DIR})

# A relative link, so that an unpacked package or a staged install works anywhere.
set(CHROMIX_LINK_DIR ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${CHROMIX_LINK_DIR})
file(CREATE_LINK ../${CHROMIX_INSTALL_DIR}/chromix-scope ${CHROMIX_LINK_DIR}/chromix-scope SYMBOLIC)
install(FILES ${CHROMIX_LINK_DIR}/chromix-scope DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/chromix-scope.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/chromix-scope.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chromix-scope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration and monitoring tool for CHROMIX1 optical sensors")
set(CPACK_PACKAGE_DESCRIPTION
    "Connects a PC to one CHROMIX1 optical sensor over RS-232 or TCP/IP: parameter set, live data, scope, recorder, conversion table and offset compensation. Includes the sensor simulator chromix-sim.")
set(CPACK_PACKAGE_CONTACT "CHROMIX1 Scope maintainers <chromix-scope@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from dpkg-shlibdeps; the platform plugins (X11, Wayland,
# offscreen) are loaded at run time and are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
