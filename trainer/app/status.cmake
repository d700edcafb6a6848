# The status area.
