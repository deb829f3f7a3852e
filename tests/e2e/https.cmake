# A job over HTTPS (/USESSL) against the server with a throw-away certificate authority.
kitbench_add_e2e_test(tst_https)
target_compile_definitions(tst_https PRIVATE MAKE_TEST_CERTS="${PROJECT_SOURCE_DIR}/tests/support/make-test-certs.sh")
