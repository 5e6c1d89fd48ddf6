# Tests of the cyclogram.
