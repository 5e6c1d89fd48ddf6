# Protocol lines (duvt_protocol: Core/Gui, no Widgets), PDF, TPrintForm and THeaderForm (duvt_protocolforms).
