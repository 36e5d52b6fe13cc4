# Run by cpack on the staged files just before it makes the Debian package: Debian keeps games
# in /usr/games, manual pages and the changelog compressed.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(CHMOD ${usr}/games DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(RENAME ${usr}/bin/skyvane ${usr}/games/skyvane)
file(REMOVE_RECURSE ${usr}/bin)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${usr}/share/doc/skyvane/changelog @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
foreach(file share/doc/skyvane/changelog share/man/man6/skyvane.6)
  execute_process(COMMAND gzip -9n ${usr}/${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
