# Window, WindowTable, SharedWndProc.
