# CPack runs this on the files it is about to package, each generator in its
# own staging folder: what the archives store of each file besides its bytes
# then depends on the source alone, not on when the build ran or under which
# umask. Every time becomes the source date; folders and programs get 0755,
# every other file 0644, as Debian's policy has them.
#   hc_normalize_tree(<folder> <epoch>)
function(hc_normalize_tree dir epoch)
  find_program(FIND_COMMAND find REQUIRED)
  execute_process(
    COMMAND ${FIND_COMMAND} ${dir} -type d -exec chmod 0755 {} +
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND ${FIND_COMMAND} ${dir} -type f -perm -u+x -exec chmod 0755 {} +
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND ${FIND_COMMAND} ${dir} -type f ! -perm -u+x -exec chmod 0644 {} +
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND ${FIND_COMMAND} ${dir} -exec touch -h -d @${epoch} {} +
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
