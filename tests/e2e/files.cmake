# The file library jobs unattended against live servers: publishing, the name check, failed posts,
# attachments of a new object and downloads, checked in the server's journal.
kitbench_add_e2e_test(tst_files)

kitbench_add_gui_e2e_test(tst_files_gui SOURCES tst_files_gui.cpp)
target_compile_definitions(tst_files_gui PRIVATE KITBENCH_TEST_SOURCE="${CMAKE_CURRENT_SOURCE_DIR}/tst_files_gui.cpp")
