# The team page (users, groups, must-confirm marks) driven in-process against a live server, and one
# unattended run whose participants reach the create call.
kitbench_add_gui_e2e_test(tst_team_page SOURCES tst_team_page.cpp)
target_compile_definitions(tst_team_page PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>")
add_dependencies(tst_team_page kitbench)
