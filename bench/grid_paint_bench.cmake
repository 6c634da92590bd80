# The grid repaint benchmark (Windows).
