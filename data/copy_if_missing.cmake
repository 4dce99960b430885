# SETTING.INI is changed by the program; a rebuild must not reset it.
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()
