# The folders an install makes. They are opened to every user whatever the umask, and listed
# in the build folder, so that uninstalling removes those folders and none that were there
# before. CMake's own default directory permissions still pass through the umask (3.25).
# Install scripts and `cmake -P` start on the old policies; these functions keep the new ones.
cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/install_layout.cmake)

# One list per install root ($DESTDIR and prefix), so a staged install keeps no real one's.
function(sorvinel_folder_list build root out)
  cmake_path(SET root NORMALIZE "${root}")
  string(REGEX REPLACE "(.)/+$" "\\1" root "${root}")
  string(MD5 key "${root}")
  set(${out} "${build}/install-folders-${key}.txt" PARENT_SCOPE)
endfunction()

# Every folder above an installed file that does not exist yet.
function(sorvinel_missing_folders root out)
  set(missing)
  foreach(file IN LISTS SORVINEL_INSTALLED_FILES)
    cmake_path(SET dir NORMALIZE "${root}/${file}")
    cmake_path(GET dir PARENT_PATH dir)
    while(dir AND NOT EXISTS "${dir}" AND NOT dir IN_LIST missing)
      list(APPEND missing "${dir}")
      cmake_path(GET dir PARENT_PATH dir)
    endwhile()
  endforeach()
  set(${out} "${missing}" PARENT_SCOPE)
endfunction()

# After the files: the folders made are opened, and added to those an earlier install made.
function(sorvinel_note_made_folders build root made)
  foreach(dir IN LISTS made)
    file(CHMOD "${dir}" DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endforeach()
  sorvinel_folder_list("${build}" "${root}" list)
  set(all ${made})
  if(EXISTS "${list}")
    file(STRINGS "${list}" before)
    list(APPEND all ${before})
  endif()
  list(REMOVE_DUPLICATES all)
  if(all)
    list(JOIN all "\n" text)
    file(WRITE "${list}" "${text}\n")
  endif()
endfunction()
