# Serial layer and transfer (duvt_serial: SerialPort, no Widgets), TSendForm (duvt_sendform), simulator (duvt-sim).
