#pragma once

class QWidget;

// Places a top-level window in the middle of the screen it is on (or the primary one), as the
// dialogs of the workstation open.
void CentreOnScreen(QWidget& window);
