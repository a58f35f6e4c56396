# The PGN database's generated tables must match the data file, and every field's resolution
# must read back as the reference's.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME PgnDatabaseIsGenerated
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/gen_pgn_database.py --check)
  add_test(NAME PgnDatabaseResolutions
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/n2k/check_pgn_resolutions.py)
endif()
