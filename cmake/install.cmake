# Installing as a desktop application.
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

# The menu entry, its icon in the sizes a desktop asks for, and the AppStream
# metadata through which software centres find the program. The PNG icons are
# rendered from the SVG by scripts/render-icons.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/chromix-scope.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/chromix-scope.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${size}x${size}/chromix-scope.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CHROMIX_PACKAGING_OUT}/${CHROMIX_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)

# The manual page, the licence and the history where Debian looks for them.
install(FILES ${CHROMIX_PACKAGING_OUT}/chromix-scope.1.gz DESTINATION share/man/man1)
install(FILES ${CHROMIX_PACKAGING_OUT}/copyright ${CHROMIX_PACKAGING_OUT}/changelog.gz
        DESTINATION share/doc/chromix-scope)
