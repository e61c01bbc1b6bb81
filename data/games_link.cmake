# Run by CPack before it packs: Debian keeps the programs of the games section in
# /usr/games, so the package links the program there; /usr/bin keeps it on the
# PATH of every user, root included.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${usr}/games)
file(CREATE_LINK ../bin/brisko ${usr}/games/brisko SYMBOLIC)
