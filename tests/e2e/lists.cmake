# The create list page end to end: kitbench runs unattended against live servers; the journal shows the
# folder load and the CreateList call with the folder chosen in the tree.
kitbench_add_e2e_test(tst_lists)

# The list import from workbooks: upload, sheet and columns, CreateListFromExcel, the rows the server stored.
kitbench_add_e2e_test(tst_list_import)
target_compile_definitions(tst_list_import PRIVATE WORKBOOKS="${PROJECT_SOURCE_DIR}/tests/data/workbooks")
