# Where `make install` puts the program's files, relative to the prefix. The install rules
# and cmake/uninstall.cmake both read this list, so uninstalling removes what was installed.
set(SORVINEL_INSTALL_PROGRAM_DIR bin)
set(SORVINEL_INSTALL_DESKTOP_DIR share/applications)
set(SORVINEL_INSTALL_ICON_DIR share/icons/hicolor)
# Square PNG sizes besides the scalable picture; 48 is the size every desktop can fall back on.
set(SORVINEL_ICON_SIZES 16 24 32 48 64 128 256)

set(SORVINEL_INSTALLED_FILES
  ${SORVINEL_INSTALL_PROGRAM_DIR}/sorvinel
  ${SORVINEL_INSTALL_DESKTOP_DIR}/sorvinel.desktop
  ${SORVINEL_INSTALL_ICON_DIR}/scalable/apps/sorvinel.svg)
foreach(size IN LISTS SORVINEL_ICON_SIZES)
  list(APPEND SORVINEL_INSTALLED_FILES
    ${SORVINEL_INSTALL_ICON_DIR}/${size}x${size}/apps/sorvinel.png)
endforeach()
