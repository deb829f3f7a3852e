# The project lists of the MS Project jobs, driven in-process against a live server.
kitbench_add_gui_e2e_test(tst_project_choice SOURCES tst_project_choice.cpp)

# The plan import and the project export unattended against live servers, checked in the journal.
kitbench_add_e2e_test(tst_msproject)

# The select option page and the user chooser of the plan import, in-process against a live server.
kitbench_add_gui_e2e_test(tst_msproject_gui SOURCES tst_msproject_gui.cpp)
