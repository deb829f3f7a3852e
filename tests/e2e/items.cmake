# The item jobs end to end: kitbench runs unattended against a live server and the journal shows the
# create calls; the in-process test checks the pages' defaults (again after Continue), the page
# checks and the web link of the new object.
kitbench_add_test(tst_items SOURCES tst_items.cpp LIBS Qt6::Core Qt6::Network)
target_compile_definitions(tst_items PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>"
                                             DEVSERVER_BINARY="$<TARGET_FILE:orvello-devserver>")
add_dependencies(tst_items kitbench orvello-devserver)

kitbench_add_gui_e2e_test(tst_items_gui SOURCES tst_items_gui.cpp)
target_link_libraries(tst_items_gui PRIVATE Qt6::Network)
