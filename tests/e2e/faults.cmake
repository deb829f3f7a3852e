# The jobs under real faults: a proxy in tests/support that drops, stalls or closes connections, and
# the server's fault knobs; the journal shows what arrived.
kitbench_add_test(tst_faults SOURCES tst_faults.cpp LIBS Qt6::Core Qt6::Network)
target_compile_definitions(tst_faults PRIVATE KITBENCH_BINARY="$<TARGET_FILE:kitbench>"
                                              DEVSERVER_BINARY="$<TARGET_FILE:orvello-devserver>")
add_dependencies(tst_faults kitbench orvello-devserver)
