# The create list page end to end: kitbench runs unattended against live servers; the journal shows the
# folder load and the CreateList call with the folder chosen in the tree.
kitbench_add_test(tst_lists SOURCES tst_lists.cpp LIBS Qt6::Core Qt6::Network)
target_compile_definitions(tst_lists PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>"
                                             DEVSERVER_BINARY="$<TARGET_FILE:orvello-devserver>"
                                             E2E_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
add_dependencies(tst_lists kitbench orvello-devserver)

# The list import from a workbook: upload, sheet and columns, CreateListFromExcel.
kitbench_add_e2e_test(tst_list_import)

# Real workbooks through the whole import: the sheets, columns and rows the server stored.
kitbench_add_test(tst_workbook_import SOURCES tst_workbook_import.cpp LIBS Qt6::Core Qt6::Network)
target_compile_definitions(tst_workbook_import PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>"
                                                       DEVSERVER_BINARY="$<TARGET_FILE:orvello-devserver>"
                                                       WORKBOOKS="${PROJECT_SOURCE_DIR}/tests/data/workbooks")
add_dependencies(tst_workbook_import kitbench orvello-devserver)
