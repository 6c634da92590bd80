# The grid model benchmark.
