# Tests of the setup protocol.
