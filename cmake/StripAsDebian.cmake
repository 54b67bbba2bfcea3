# Run by CPack on the staged files, before it packs them: each program is stripped as Debian's
# dh_strip strips one, of its symbols and of the compiler's .comment and .note sections, which
# a program needs no more than its symbols.
file(GLOB programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_VELMORA_STRIP} --remove-section=.comment --remove-section=.note ${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
