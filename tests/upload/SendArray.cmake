# Tests of the send array, its listing and the viewer.
