# Removes what `make install` put under PREFIX (and $DESTDIR), then the folders of the icon
# theme and the menu that are left empty. Run: cmake -DPREFIX=/usr/local -P cmake/uninstall.cmake
if(NOT PREFIX)
  message(FATAL_ERROR "PREFIX is not set")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/install_layout.cmake)
set(root "$ENV{DESTDIR}${PREFIX}")

foreach(file IN LISTS SORVINEL_INSTALLED_FILES)
  if(EXISTS "${root}/${file}" OR IS_SYMLINK "${root}/${file}")
    message(STATUS "Removing: ${root}/${file}")
    file(REMOVE "${root}/${file}")
  endif()
endforeach()

# Only folders under share that hold nothing any more; the program's folder (bin) stays.
foreach(file IN LISTS SORVINEL_INSTALLED_FILES)
  get_filename_component(dir "${file}" DIRECTORY)
  while(dir MATCHES "^share/.")
    file(GLOB left "${root}/${dir}/*")
    if(left OR NOT IS_DIRECTORY "${root}/${dir}")
      break()
    endif()
    file(REMOVE_RECURSE "${root}/${dir}")
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endforeach()
