# notesdb: its dump form and sample data, and the program itself.
zembrik_add_test(notesdb_format_tests SOURCES NotesdbFormatTest.cpp NotesdbSeedTest.cpp
  LIBS zembrik_notesdb_core)
zembrik_add_test(notesdb_richtext_tests SOURCES NotesdbRichTextTest.cpp
  LIBS zembrik_notesdb_core notes)
zembrik_add_test(notesdb_tests SOURCES NotesdbTest.cpp
  LIBS zembrik_notesdb_core zembrik_testsupport_notes)
target_compile_definitions(notesdb_tests PRIVATE NOTESDB_PROGRAM="$<TARGET_FILE:notesdb>")
add_dependencies(notesdb_tests notesdb)
