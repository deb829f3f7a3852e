# The calendar export unattended against live servers: the period reaches GetCalendarEvents and the
# answer lands in the exchange file for the Outlook add-in.
kitbench_add_e2e_test(tst_calendar_export)
