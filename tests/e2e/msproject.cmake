# The project lists of the MS Project jobs, driven in-process against a live server.
kitbench_add_gui_e2e_test(tst_project_choice SOURCES tst_project_choice.cpp)
