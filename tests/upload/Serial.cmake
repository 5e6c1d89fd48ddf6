# Tests of the serial transfer against the simulated controller.
