# The create list page end to end: kitbench runs unattended against live servers; the journal shows the
# folder load and the CreateList call with the folder chosen in the tree.
kitbench_add_test(tst_lists SOURCES tst_lists.cpp LIBS Qt6::Core Qt6::Network)
target_compile_definitions(tst_lists PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>"
                                             DEVSERVER_BINARY="$<TARGET_FILE:orvello-devserver>")
add_dependencies(tst_lists kitbench orvello-devserver)
