# The jobs under real faults: a proxy in tests/support that drops, stalls or closes connections, and
# the server's fault knobs; the journal shows what arrived.
kitbench_add_e2e_test(tst_faults)
