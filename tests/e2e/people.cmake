# The team page (users, groups, must-confirm marks) driven in-process against a live server.
kitbench_add_gui_e2e_test(tst_team_page SOURCES tst_team_page.cpp)
