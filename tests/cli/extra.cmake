# The command-line tests run the zrltool binary itself.
if(TARGET test_cli)
  add_dependencies(test_cli zrltool)
  target_compile_definitions(test_cli PRIVATE ZRLTOOL_PATH="$<TARGET_FILE:zrltool>")
endif()
