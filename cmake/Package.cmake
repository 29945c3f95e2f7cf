# What `cmake --install` puts where, and the Debian package CPack makes of it:
#   cpack -G DEB    in the build folder gives lumora_VERSION_ARCH.deb
include(GNUInstallDirs)

set(LUMORA_APP_ID org.lumora.Lumora)
set(LUMORA_ICONS ${CMAKE_BINARY_DIR}/icons)

install(TARGETS lumora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/${LUMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/${LUMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LUMORA_ICONS}/scalable.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${LUMORA_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${LUMORA_ICONS}/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${LUMORA_APP_ID}.png)
endforeach()
# Debian keeps a package's licence as its copyright file.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumora RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "The Lumora developers")
set(CPACK_PACKAGE_CONTACT "The Lumora developers <lumora@lumora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Picture browser: thumbnails, viewer, slide show and HTML albums")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumora walks drives and folders, gathers pictures into a selection list, shows them as a board of thumbnails, in a zooming viewer and as a timed slide show, hands a picture to an image editor and turns JPEG pictures into a static HTML album.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_STRIP_FILES ON)
# The libraries the program links are found by dpkg-shlibdeps, not written by hand; Qt's
# Wayland platform and its image readers (TIFF, WebP, GIF; SVG) are plugins Qt loads,
# which no linked library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, qt6-image-formats-plugins, libqt6svg6")
include(CPack)
