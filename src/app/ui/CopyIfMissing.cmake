# Copies SRC to DST unless DST exists: the program writes into its General.ini, a rebuild must not undo that.
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()
