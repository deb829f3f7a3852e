# The category and client editor in-process against a live server: one update document per OK, the
# page list reloaded from the server, and a refusal kept in the open dialog.
kitbench_add_gui_e2e_test(tst_category_dialog SOURCES tst_category_dialog.cpp)
