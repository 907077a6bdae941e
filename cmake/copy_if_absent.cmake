# Copies SRC to DST unless DST exists: the user's own settings file is never
# overwritten by a build.
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()
