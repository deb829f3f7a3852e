# Project templates: the templates page driven in-process against a live server, and unattended runs
# whose role assignments reach updateProjectFromTemplate after the project was created.
kitbench_add_gui_e2e_test(tst_templates_page SOURCES tst_templates_page.cpp)

kitbench_add_test(tst_templates SOURCES tst_templates.cpp LIBS Qt6::Core Qt6::Network)
target_compile_definitions(tst_templates PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>"
                                                 DEVSERVER_BINARY="$<TARGET_FILE:orvello-devserver>")
add_dependencies(tst_templates kitbench orvello-devserver)
