# Project templates: the templates page driven in-process against a live server, and unattended runs
# whose role assignments reach updateProjectFromTemplate after the project was created.
kitbench_add_gui_e2e_test(tst_templates_page SOURCES tst_templates_page.cpp)

kitbench_add_e2e_test(tst_templates)
