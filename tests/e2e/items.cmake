# The item jobs end to end: kitbench runs unattended against a live server and the journal shows the
# create calls; the in-process test checks the pages' defaults (again after Continue), the page
# checks and the web link of the new object.
kitbench_add_e2e_test(tst_items)

kitbench_add_gui_e2e_test(tst_items_gui SOURCES tst_items_gui.cpp)
