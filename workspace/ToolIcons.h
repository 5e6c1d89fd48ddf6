#pragma once

#include <QIcon>

// The pictures of the toolbar buttons and of the program, drawn at run time so that the
// workstation needs no image files beside it.
namespace ToolIcons {
enum class Picture {
    New,
    Open,
    Save,
    Print,
    Cyclogram,
    Variables,
    Send,
    Insert,
    Edit,
    Erase,
    Help,
    Program
};
QIcon Icon(Picture picture);
} // namespace ToolIcons
