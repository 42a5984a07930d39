# Windows: the program folder is the install folder itself (filled in by the packaging work).
